#pragma once

#include "progressbar/OleColor.h"

#include <QColor>
#include <QPalette>

namespace orvane {

// The system colours of the platform, stood for by the roles of a palette that play the same
// part on screen: the application palette's colour for a system colour index 0-30 (invalid
// index: black).
QColor SystemColor(int index, const QPalette& palette);

// The text colour conversion: a system colour beyond index 30 or a value whose top byte is
// neither 0x00 nor 0x80 cannot be converted and gives kInvalidColor.
ColorRef TranslateColor(OleColor color, const QPalette& palette);

// The colour a brush of this value paints: system colours use (value AND 31), every other value
// its low three bytes.
QColor BrushColor(OleColor color, const QPalette& palette);

// A converted colour as Qt paints it: its low three bytes, and black for kInvalidColor.
QColor FromColorRef(ColorRef color);

ColorRef ToColorRef(QColor color);

} // namespace orvane
