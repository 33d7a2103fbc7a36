#include "progressbar/pcPictureHolder.h"

namespace orvane {

void pcPictureHolder::setPicture(const QImage& picture) {
    picture_ = picture;
    // The surface is an opaque copy: the paint copies it as a block, alpha plays no part.
    surface_ = picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_RGB32);
}

} // namespace orvane
