#pragma once

#include "progressbar/ProgressSurface.h"

namespace orvane {

// Fills (x, y, width, height) of hdc with copies of the srcWidth x srcHeight picture of the
// holder, repeated from the area's origin and phase-shifted by the offsets.
void TileArea(ProgressSurface& hdc, int x, int y, int width, int height, PictureSlot srcDC,
              int srcWidth, int srcHeight, int srcOffsetX, int srcOffsetY);

} // namespace orvane
