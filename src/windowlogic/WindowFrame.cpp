#include "windowlogic/WindowFrame.h"

#include <algorithm>

namespace orvane::windowlogic {

PixelSize InnerSize(TwipsSize outer, double logicalDpi, FrameMargins frame, int usualTitleBar) {
    if (frame == FrameMargins{}) {
        frame.top = usualTitleBar;
    }
    const int width = TwipsToPixels(outer.width, logicalDpi) - frame.left - frame.right;
    const int height = TwipsToPixels(outer.height, logicalDpi) - frame.top - frame.bottom;
    return {std::max(width, 0), std::max(height, 0)};
}

} // namespace orvane::windowlogic
