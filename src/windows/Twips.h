#pragma once

#include <QRect>

namespace orvane::windows {

// Sizes of the main window are given in twips: 1440 per inch, so 15 per pixel at 96 dots per
// inch. The screen's logical dots per inch scale them, so the window keeps its proportions
// to the text on a screen set to a larger font size.
int TwipsToPixels(int twips, double logicalDpi);
int PixelsToTwips(int pixels, double logicalDpi);

// A control's place in its parent, given in twips.
QRect TwipsRect(int left, int top, int width, int height, double logicalDpi);

} // namespace orvane::windows
