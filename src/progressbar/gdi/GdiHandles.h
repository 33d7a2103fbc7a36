#pragma once

#include "progressbar/ProgressGeometry.h"

#include <windows.h>

#include <memory>
#include <type_traits>
#include <utility>

namespace orvane {

// Owners of the GDI handles one object makes: each is released with the call that matches how
// it was made.
struct DeleteGdiObject {
    void operator()(void* handle) const { ::DeleteObject(static_cast<HGDIOBJ>(handle)); }
};
struct DeleteDeviceContext {
    void operator()(HDC handle) const { ::DeleteDC(handle); }
};

template <typename Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, DeleteGdiObject>;
using MemoryDC = std::unique_ptr<std::remove_pointer_t<HDC>, DeleteDeviceContext>;

inline RECT ToRECT(const Rect& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

// A 32-bit BI_RGB header: positive height for bottom-up rows, negative for top-down ones.
inline BITMAPINFO Dib32(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    info.bmiHeader.biSizeImage =
        static_cast<DWORD>(width) * static_cast<DWORD>(height < 0 ? -height : height) * 4;
    return info;
}

// A bitmap selected into a memory DC for the life of this object; the DC's own bitmap goes back
// in before both are released.
class SelectedBitmap {
public:
    SelectedBitmap() = default;
    SelectedBitmap(MemoryDC dc, GdiObject<HBITMAP> bitmap)
        : dc_(std::move(dc)), bitmap_(std::move(bitmap)),
          old_(::SelectObject(dc_.get(), bitmap_.get())) {}
    SelectedBitmap(SelectedBitmap&& other) noexcept { *this = std::move(other); }
    SelectedBitmap& operator=(SelectedBitmap&& other) noexcept {
        Release();
        dc_ = std::move(other.dc_);
        bitmap_ = std::move(other.bitmap_);
        old_ = std::exchange(other.old_, nullptr);
        return *this;
    }
    ~SelectedBitmap() { Release(); }

    HDC Dc() const { return dc_.get(); }
    HBITMAP Bitmap() const { return bitmap_.get(); }

private:
    void Release() {
        if (dc_ && old_ != nullptr) {
            ::SelectObject(dc_.get(), old_);
        }
        old_ = nullptr;
        bitmap_.reset();
        dc_.reset();
    }

    MemoryDC dc_;
    GdiObject<HBITMAP> bitmap_;
    HGDIOBJ old_ = nullptr;
};

} // namespace orvane
