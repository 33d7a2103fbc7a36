#pragma once

#include "progressbar/ProgressGeometry.h"

#include <QPainter>
#include <QPalette>

#include <cstdint>

namespace orvane {

// One border inside rect (logical pixels): style 0 a black frame, 1 thin light and dark lines,
// 2 the two-pixel soft 3-D edge; any other style draws nothing. Lines are one device pixel.
void DrawBorder(QPainter& hdc, std::int32_t style, const Rect& rect, bool bRaised,
                const QPalette& palette);

// The two-pixel soft edge: an outer ring and an inner ring, each with one colour for its top
// and left lines and one for its bottom and right lines (which own the corners they share).
// The soft edge gives the outer ring the extreme colours on both sides:
//   sunken: outer Shadow / Light, inner Dark / Midlight
//   raised: outer Light / Shadow, inner Midlight / Dark
void DrawEdge(QPainter& hdc, const Rect& rect, bool bRaised, const QPalette& palette);

} // namespace orvane
