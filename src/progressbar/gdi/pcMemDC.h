#pragma once

#include "progressbar/DibPixels.h"
#include "progressbar/gdi/GdiHandles.h"

namespace orvane {

// The double buffer of every paint: a memory DC compatible with the display, holding a 32-bit
// BI_RGB DIB section with its rows bottom-up, in device pixels. It is made on the first request,
// kept while it is large enough, never shrunk, and released with the object.
class pcMemDC {
public:
    pcMemDC() = default;
    pcMemDC(const pcMemDC&) = delete;
    pcMemDC& operator=(const pcMemDC&) = delete;
    ~pcMemDC() { DestroySurface(); }

    // A memory DC at least Width x Height pixels, or null when none could be made.
    HDC hdc(int Width, int Height);

    // Copies the surface to hdc with BitBlt (SRCCOPY). A WidthSrc or HeightSrc <= 0 means the
    // surface's own size.
    void Draw(HDC hdc, int xSrc = 0, int ySrc = 0, int WidthSrc = 0, int HeightSrc = 0,
              int xDst = 0, int yDst = 0) const;

    int Width() const { return width_; }
    int Height() const { return height_; }
    // The pixels composed so far (no bits when there is no surface).
    DibPixels Pixels() const { return {static_cast<std::uint8_t*>(bits_), width_, height_}; }

private:
    void CreateSurface(int Width, int Height);
    void DestroySurface();

    SelectedBitmap surface_;
    void* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

} // namespace orvane
