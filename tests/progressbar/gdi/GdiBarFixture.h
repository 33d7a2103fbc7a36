#pragma once

#include "progressbar/gdi/pcProgressBar.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

namespace orvane::testing {

inline constexpr ColorRef kNavy = RgbColor(0, 0, 128);
inline constexpr ColorRef kRed = RgbColor(255, 0, 0);
inline constexpr ColorRef kGreen = RgbColor(0, 255, 0);

// A new instance of the control in a pop-up window of its own, shown without taking the focus
// (a window that is not shown has no pixels of its own under Wine).
inline std::unique_ptr<pcProgressBar> MakeBar(int width, int height) {
    auto bar = std::make_unique<pcProgressBar>(nullptr, 0, 0, width, height);
    ::ShowWindow(bar->hWnd(), SW_SHOWNOACTIVATE);
    bar->InitProperties();
    return bar;
}

// A pixel of the memory surface as the last paint left it.
inline ColorRef MemPixel(const pcProgressBar& bar, int x, int y) {
    const std::uint8_t* pixel = bar.MemDC().Pixels().Pixel(x, y);
    return RgbColor(pixel[2], pixel[1], pixel[0]);
}

// The first and last column in which color occurs within (left, top) - (right, bottom),
// exclusive; -1, -1 when it does not occur.
inline std::pair<int, int> ColumnsOf(const pcProgressBar& bar, ColorRef color, const RECT& area) {
    std::pair columns{-1, -1};
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (MemPixel(bar, x, y) == color) {
                columns = {columns.first < 0 ? x : std::min(columns.first, x),
                           std::max(columns.second, x)};
            }
        }
    }
    return columns;
}

// The number of rows of area in which color occurs.
inline int RowsOf(const pcProgressBar& bar, ColorRef color, const RECT& area) {
    int rows = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (MemPixel(bar, x, y) == color) {
                ++rows;
                break;
            }
        }
    }
    return rows;
}

// The caption "MMMMMMMM" in red over the empty part and green over the bar, in a bold font
// large enough for whole-coverage pixels in its strokes.
inline void RedGreenCaption(pcProgressBar& bar) {
    bar.setFont({"DejaVu Sans", 10.5, 700});
    bar.setForeColor(kRed);
    bar.setBarForeColor(kGreen);
    bar.setText(u"MMMMMMMM");
    bar.setShowText(true);
}

} // namespace orvane::testing
