#pragma once

#include "progressbar/gdi/pcProgressBar.h"

#include <gtest/gtest.h>

#include <memory>

namespace orvane::testing {

inline constexpr ColorRef kNavy = RgbColor(0, 0, 128);
inline constexpr ColorRef kRed = RgbColor(255, 0, 0);
inline constexpr ColorRef kGreen = RgbColor(0, 255, 0);

// A new instance in a pop-up window, shown (a hidden window has no pixels under Wine).
inline std::unique_ptr<pcProgressBar> MakeBar(int width, int height) {
    auto bar = std::make_unique<pcProgressBar>(nullptr, 0, 0, width, height);
    ::ShowWindow(bar->hWnd(), SW_SHOWNOACTIVATE);
    bar->InitProperties();
    return bar;
}

inline ColorRef PixelOf(const DibPixels& pixels, int x, int y) {
    const std::uint8_t* pixel = pixels.Pixel(x, y);
    return RgbColor(pixel[2], pixel[1], pixel[0]);
}

// A pixel of the memory surface as the last paint left it.
inline ColorRef MemPixel(const pcProgressBar& bar, int x, int y) {
    return PixelOf(bar.MemDC().Pixels(), x, y);
}

// The box of the memory surface's pixels of color within area; all 0 when there are none.
inline RECT InkBox(const pcProgressBar& bar, ColorRef color, const RECT& area) {
    RECT box{area.right, area.bottom, 0, 0};
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (MemPixel(bar, x, y) == color) {
                box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y),
                       std::max<LONG>(box.right, x + 1), std::max<LONG>(box.bottom, y + 1)};
            }
        }
    }
    return box.right == 0 ? RECT{} : box;
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
