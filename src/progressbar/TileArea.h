#pragma once

#include <QImage>
#include <QPainter>

namespace orvane {

// Fills (x, y, width, height) of hdc with copies of the srcWidth x srcHeight picture, repeated
// from the area's origin and phase-shifted by the offsets.
void TileArea(QPainter& hdc, int x, int y, int width, int height, const QImage& srcDC, int srcWidth,
              int srcHeight, int srcOffsetX, int srcOffsetY);

} // namespace orvane
