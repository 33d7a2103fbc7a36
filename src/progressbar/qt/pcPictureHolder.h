#pragma once

#include <QImage>

namespace orvane {

// A hidden picture holder: the picture object as assigned, and the holder's own drawing
// surface, which is what the paint copies from. Re-colouring changes only the surface.
class pcPictureHolder {
public:
    // A picture counts only when it has pixels: a picture of size 0 would make tiling divide
    // by zero.
    bool HasPicture() const { return !picture_.isNull(); }
    const QImage& Picture() const { return picture_; }
    void setPicture(const QImage& picture);

    // Re-colours the surface (hue kept) from the picture; the picture itself stays as it was.
    // Without a picture nothing happens.
    void Modify(double fLuminance, double fSaturation);

    const QImage& Surface() const { return surface_; }
    int ScaleWidth() const { return surface_.width(); }
    int ScaleHeight() const { return surface_.height(); }

private:
    QImage picture_;
    QImage surface_;
};

} // namespace orvane
