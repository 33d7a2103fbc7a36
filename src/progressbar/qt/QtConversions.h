#pragma once

#include "progressbar/FontSpec.h"
#include "progressbar/PictureObject.h"
#include "progressbar/ProgressGeometry.h"

#include <QFont>
#include <QImage>
#include <QRect>

namespace orvane {

// The control's font as Qt draws it: the face name kept as stored and a style hint, so that
// fontconfig picks a sensible stand-in for a face this machine does not have.
QFont ToQFont(const FontSpec& font);
// A pixel size counts at 96 dots per inch, where a point is 4/3 of a pixel.
FontSpec ToFontSpec(const QFont& font);

// Alpha plays no part in a block copy: pictures are opaque both ways.
PictureObject ToPicture(const QImage& image);
QImage ToImage(const PictureObject& picture);

inline QRect ToQRect(const Rect& rect) {
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

} // namespace orvane
