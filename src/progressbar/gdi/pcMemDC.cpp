#include "progressbar/gdi/pcMemDC.h"

namespace orvane {

HDC pcMemDC::hdc(int Width, int Height) {
    if (surface_.Dc() == nullptr || Width > width_ || Height > height_) {
        CreateSurface(Width, Height);
    }
    return surface_.Dc();
}

void pcMemDC::Draw(HDC hdc, int xSrc, int ySrc, int WidthSrc, int HeightSrc, int xDst,
                   int yDst) const {
    if (surface_.Dc() == nullptr) {
        return;
    }
    ::BitBlt(hdc, xDst, yDst, WidthSrc > 0 ? WidthSrc : width_, HeightSrc > 0 ? HeightSrc : height_,
             surface_.Dc(), xSrc, ySrc, SRCCOPY);
}

void pcMemDC::CreateSurface(int Width, int Height) {
    DestroySurface();
    if (Width <= 0 || Height <= 0) {
        return;
    }
    const MemoryDC display(::CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr));
    if (!display) {
        return;
    }
    MemoryDC dc(::CreateCompatibleDC(display.get()));
    if (!dc) {
        return;
    }
    const BITMAPINFO info = Dib32(Width, Height);
    void* bits = nullptr;
    GdiObject<HBITMAP> bitmap(
        ::CreateDIBSection(display.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) {
        return;
    }
    surface_ = SelectedBitmap(std::move(dc), std::move(bitmap));
    bits_ = bits;
    width_ = Width;
    height_ = Height;
}

void pcMemDC::DestroySurface() {
    surface_ = SelectedBitmap();
    bits_ = nullptr;
    width_ = 0;
    height_ = 0;
}

} // namespace orvane
