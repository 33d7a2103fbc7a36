#pragma once

#include "progressbar/qt/pcProgressBar.h"

#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <vector>

// Failures name colours as #rrggbb.
inline void PrintTo(const QColor& color, std::ostream* os) {
    *os << color.name().toStdString();
}

namespace orvane::testing {

// Palette roles in colours that occur nowhere else, so that a probe pixel names its source.
inline const QColor kButton(0xC0, 0xC0, 0xB0);
inline const QColor kDark(0x40, 0x50, 0x60);
inline const QColor kLight(0xF0, 0xE0, 0xD0);
inline const QColor kWindowText(0x90, 0x00, 0x90);
// RGB(0, 0, 128), the initial BarColor.
inline const QColor kNavy(0, 0, 128);

inline QPalette DistinctPalette() {
    QPalette palette;
    for (const auto& [role, color] : {std::pair{QPalette::Button, kButton},
                                      {QPalette::Dark, kDark},
                                      {QPalette::Light, kLight},
                                      {QPalette::WindowText, kWindowText}}) {
        palette.setColor(role, color);
    }
    return palette;
}

// A control of the given size with the distinct palette, painted as a new instance would be.
inline std::unique_ptr<pcProgressBar> MakeBar(int width, int height) {
    auto bar = std::make_unique<pcProgressBar>();
    bar->setPalette(DistinctPalette());
    bar->resize(width, height);
    bar->InitProperties();
    return bar;
}

// The control as last composed, cut to its own size.
inline QImage Composed(const pcProgressBar& bar) {
    return bar.ComposedImage().copy(0, 0, bar.width(), bar.height());
}

// Each colour expected at its points of image.
inline void ExpectPixels(const QImage& image,
                         std::initializer_list<std::pair<QColor, std::vector<QPoint>>> probes) {
    for (const auto& [color, points] : probes) {
        for (const QPoint& at : points) {
            EXPECT_EQ(QColor(image.pixel(at)), color) << "at " << at.x() << "," << at.y();
        }
    }
}

// The first and last column in which color occurs within area; -1, -1 when it does not occur.
inline std::pair<int, int> ColumnsOf(const QImage& image, const QColor& color, const QRect& area) {
    std::pair columns{-1, -1};
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (QColor(image.pixel(x, y)) == color) {
                columns = {columns.first < 0 ? x : std::min(columns.first, x),
                           std::max(columns.second, x)};
            }
        }
    }
    return columns;
}

} // namespace orvane::testing
