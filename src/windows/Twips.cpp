#include "windows/Twips.h"

#include <cmath>

namespace orvane::windows {

namespace {
constexpr double kTwipsPerInch = 1440.0;
}

int TwipsToPixels(int twips, double logicalDpi) {
    return static_cast<int>(std::lround(twips * logicalDpi / kTwipsPerInch));
}

int PixelsToTwips(int pixels, double logicalDpi) {
    return static_cast<int>(std::lround(pixels * kTwipsPerInch / logicalDpi));
}

QRect TwipsRect(int left, int top, int width, int height, double logicalDpi) {
    return {TwipsToPixels(left, logicalDpi), TwipsToPixels(top, logicalDpi),
            TwipsToPixels(width, logicalDpi), TwipsToPixels(height, logicalDpi)};
}

} // namespace orvane::windows
