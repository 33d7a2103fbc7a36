#pragma once

#include "windowlogic/Twips.h"

namespace orvane::windowlogic {

// A size in pixels.
struct PixelSize {
    int width = 0, height = 0;
    bool operator==(const PixelSize&) const = default;
};

// What the window system draws around a window's own area, in pixels: the title bar and the
// borders (on Windows the menu bar too, which a Qt window holds in its own area).
struct FrameMargins {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const FrameMargins&) const = default;
};

// The window sizes the program is given (its main window's width and height, the history
// window's) are outer sizes: title bar, menu bar and borders are inside them, as on the
// platform they were first given for. A toolkit can only set the size of the window's own
// area, so it takes off the frame its window system reports (on X11 the frame the window
// manager draws, on Windows what AdjustWindowRectExForDpi adds). Where nothing draws a frame
// (an X server without a window manager) the window still gives up the room of a title bar
// of the platform's usual height, so its controls stand where they stand under a frame.
PixelSize InnerSize(TwipsSize outer, double logicalDpi, FrameMargins frame, int usualTitleBar);

} // namespace orvane::windowlogic
