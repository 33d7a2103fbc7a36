#pragma once

#include "windowlogic/Twips.h"

#include <QRect>

namespace orvane::qt {

// A control's place in its parent, given in twips, in pixels at the window's dots per inch.
inline QRect PixelRect(const windowlogic::TwipsRect& twips, double logicalDpi) {
    using windowlogic::TwipsToPixels;
    return {TwipsToPixels(twips.left, logicalDpi), TwipsToPixels(twips.top, logicalDpi),
            TwipsToPixels(twips.width, logicalDpi), TwipsToPixels(twips.height, logicalDpi)};
}

} // namespace orvane::qt
