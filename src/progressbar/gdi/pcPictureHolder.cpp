#include "progressbar/gdi/pcPictureHolder.h"

#include "progressbar/gdi/pcDibSection.h"

#include <cstring>

namespace orvane {
namespace {

// A bitmap of the picture's pixels, top line first as the picture keeps them.
GdiObject<HBITMAP> BitmapOf(const PictureObject& picture) {
    const BITMAPINFO info = Dib32(picture.width, -picture.height);
    void* bits = nullptr;
    GdiObject<HBITMAP> bitmap(
        ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bitmap) {
        std::memcpy(bits, picture.pixels.data(), picture.pixels.size() * 4);
    }
    return bitmap;
}

} // namespace

void pcPictureHolder::setPicture(const PictureObject& picture) {
    surface_ = SelectedBitmap();
    picture_.reset();
    if (picture.IsEmpty()) {
        return;
    }
    picture_ = BitmapOf(picture);
    MemoryDC dc(::CreateCompatibleDC(nullptr));
    GdiObject<HBITMAP> copy = BitmapOf(picture);
    if (picture_ && dc && copy) {
        surface_ = SelectedBitmap(std::move(dc), std::move(copy));
    }
}

void pcPictureHolder::Modify(double fLuminance, double fSaturation) {
    if (!picture_ || Surface() == nullptr) {
        return;
    }
    pcDibSection dib;
    dib.CreateFromPicture(picture_.get());
    dib.ModifyHLS(1.0, fLuminance, fSaturation);
    dib.PaintPicture(Surface(), 0, 0, -1, -1, 0, 0, SRCCOPY);
}

} // namespace orvane
