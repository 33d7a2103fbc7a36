#include "windowlogic/Twips.h"

#include <cmath>

namespace orvane::windowlogic {

namespace {
constexpr double kTwipsPerInch = 1440.0;
}

int TwipsToPixels(int twips, double logicalDpi) {
    return static_cast<int>(std::lround(twips * logicalDpi / kTwipsPerInch));
}

int PixelsToTwips(int pixels, double logicalDpi) {
    return static_cast<int>(std::lround(pixels * kTwipsPerInch / logicalDpi));
}

} // namespace orvane::windowlogic
