#pragma once

#include "progressbar/ProgressSurface.h"

#include <cstdint>

namespace orvane {

// One border inside rect: style 0 a black frame, 1 thin light and dark lines, 2 the two-pixel
// soft 3-D edge; any other style draws nothing. Lines are one device pixel wide.
void DrawBorder(ProgressSurface& hdc, std::int32_t style, const Rect& rect, bool bRaised);

} // namespace orvane
