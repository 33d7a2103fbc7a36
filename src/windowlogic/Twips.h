#pragma once

namespace orvane::windowlogic {

// Sizes of the windows are given in twips: 1440 per inch, so 15 per pixel at 96 dots per
// inch. The screen's logical dots per inch scale them, so a window keeps its proportions to
// the text on a screen set to a larger font size.
int TwipsToPixels(int twips, double logicalDpi);
int PixelsToTwips(int pixels, double logicalDpi);

// A control's place in its parent, or a window's size, in twips.
struct TwipsRect {
    int left = 0, top = 0, width = 0, height = 0;
};
struct TwipsSize {
    int width = 0, height = 0;
};

} // namespace orvane::windowlogic
