#pragma once

#include "progressbar/pcProgressBar.h"

#include <QColor>
#include <QImage>
#include <QPalette>
#include <QRect>

#include <initializer_list>
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
inline const QColor kShadow(0x10, 0x20, 0x30);
inline const QColor kMidlight(0xD0, 0xC0, 0x90);
inline const QColor kWindowText(0x90, 0x00, 0x90);
inline const QColor kHighlight(0x00, 0x90, 0x90);
inline const QColor kText(0x00, 0x60, 0x00);
// RGB(0, 0, 128), the initial BarColor.
inline const QColor kNavy(0, 0, 128);
inline const QColor kRed(255, 0, 0);
inline const QColor kGreen(0, 255, 0);

QPalette DistinctPalette();

// A control of the given size with the distinct palette, painted as a new instance would be.
std::unique_ptr<pcProgressBar> MakeBar(int width, int height);

// Shows text in red over the empty part and in green over the bar, in a bold font large
// enough for whole-coverage pixels in its strokes.
void ShowCaption(pcProgressBar& bar, const QString& text);

// The control as last composed, cut to its own size.
QImage Composed(const pcProgressBar& bar);

// The control shown and exposed.
void ShowOnScreen(pcProgressBar& bar);

// A colour expected at some points, and the check of each point of each probe against image.
struct Probe {
    QColor color;
    std::vector<QPoint> at;
};
void ExpectPixels(const QImage& image, std::initializer_list<Probe> probes);

// The span of columns in which color occurs within area; empty when it does not occur.
struct Columns {
    int first = -1;
    int last = -1;
    bool Empty() const { return first < 0; }
};
Columns ColumnsOf(const QImage& image, const QColor& color, const QRect& area);

} // namespace orvane::testing
