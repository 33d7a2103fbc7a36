#pragma once

#include "progressbar/PictureObject.h"
#include "progressbar/gdi/GdiHandles.h"

namespace orvane {

// A hidden picture holder: the picture object as assigned (a bitmap handle), and the holder's
// own drawing surface, a memory DC holding a copy of it, which is what the paint copies from.
// Re-colouring changes only the surface.
class pcPictureHolder {
public:
    void setPicture(const PictureObject& picture);
    // The picture object's handle, null without a picture.
    HBITMAP Handle() const { return picture_.get(); }
    HDC Surface() const { return surface_.Dc(); }

    // Re-colours the surface (hue kept) from the picture; the picture itself stays as it was.
    void Modify(double fLuminance, double fSaturation);

private:
    GdiObject<HBITMAP> picture_;
    SelectedBitmap surface_;
};

} // namespace orvane
