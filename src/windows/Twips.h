#pragma once

#include <QWidget>

namespace orvane {

// Window layouts are given in twips (1/1440 inch): 15 twips per pixel at 96 dots per inch,
// scaled by the screen's logical resolution.
inline int twipsToPixels(int twips, const QWidget& widget) {
    return qRound(twips * widget.logicalDpiX() / 1440.0);
}

inline int pixelsToTwips(int pixels, const QWidget& widget) {
    return qRound(pixels * 1440.0 / widget.logicalDpiX());
}

inline QRect twipsRect(int left, int top, int width, int height, const QWidget& widget) {
    return {twipsToPixels(left, widget), twipsToPixels(top, widget), twipsToPixels(width, widget),
            twipsToPixels(height, widget)};
}

} // namespace orvane
