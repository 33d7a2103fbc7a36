#include "progressbar/qt/pcPictureHolder.h"

#include "progressbar/qt/pcDibSection.h"

namespace orvane {

void pcPictureHolder::setPicture(const QImage& picture) {
    picture_ = picture;
    // The surface is an opaque copy: the paint copies it as a block, alpha plays no part.
    surface_ = picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_RGB32);
}

void pcPictureHolder::Modify(double fLuminance, double fSaturation) {
    if (!HasPicture()) {
        return;
    }
    pcDibSection dib;
    dib.CreateFromPicture(picture_);
    dib.ModifyHLS(1.0, fLuminance, fSaturation);
    QPainter painter(&surface_);
    dib.PaintPicture(painter, 0, 0, -1, -1, 0, 0, kSrcCopy);
}

} // namespace orvane
