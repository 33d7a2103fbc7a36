#pragma once

#include "progressbar/DibPixels.h"
#include "progressbar/gdi/GdiHandles.h"
#include "progressbar/pcError.h"

#include <vfw.h>

#include <memory>
#include <string>

namespace orvane {

// A 32-bit DIB section whose pixel bytes the program reaches directly: blue, green, red, alpha
// per pixel, Width x 4 bytes a line, line 0 of the buffer the bottom line of the picture,
// selected into a memory DC of its own.
class pcDibSection {
public:
    pcDibSection() = default;
    pcDibSection(const pcDibSection&) = delete;
    pcDibSection& operator=(const pcDibSection&) = delete;
    ~pcDibSection() { ClearUp(); }

    bool Create(int lWidth, int lHeight);
    void CreateFromPicture(HBITMAP picThis) { CreateFromHBitmap(picThis); }
    void CreateFromHBitmap(HBITMAP hBmp);

    // Copies from lHDC at (lSrcLeft, lSrcTop) into the bitmap at (0, 0); a negative size means
    // the bitmap's own.
    void LoadPictureBlt(HDC lHDC, int lSrcLeft = 0, int lSrcTop = 0, int lSrcWidth = -1,
                        int lSrcHeight = -1, DWORD eRop = SRCCOPY);
    // Copies the bitmap (from lSrcLeft, lSrcTop) to lHDC, through DrawDib when it is in use; a
    // negative size means the bitmap's.
    void PaintPicture(HDC lHDC, int lDestLeft = 0, int lDestTop = 0, int lDestWidth = -1,
                      int lDestHeight = -1, int lSrcLeft = 0, int lSrcTop = 0,
                      DWORD eRop = SRCCOPY) const;
    // Blends the bitmap, read as premultiplied alpha, over lHDC with a constant alpha on top.
    void AlphaPaintPicture(HDC lHDC, int lDestLeft = 0, int lDestTop = 0, int lDestWidth = -1,
                           int lDestHeight = -1, int lSrcLeft = 0, int lSrcTop = 0,
                           int lConstantAlpha = 255) const;
    static void CodeAlphaBlend(pcDibSection& cDst, const pcDibSection& cSrc, int lDestLeft,
                               int lDestTop, int lDestWidth, int lDestHeight,
                               int SourceConstantAlpha);

    void ModifyHLS(double fHue, double fLuminance, double fSaturation);
    void Clear();
    void RandomiseBits(bool bGray = false);
    void Lighten(int lAmount);
    std::unique_ptr<pcDibSection> Resample(int lNewHeight, int lNewWidth) const;
    // Raises pcError 17 when the file cannot be created; false when a write failed.
    bool SavePicture(const std::wstring& sFileName) const;
    void ClearUp();

    bool UseDrawDib() const { return m_hDD != nullptr; }
    void setUseDrawDib(bool value);

    int Width() const { return m_tBI.bmiHeader.biWidth; }
    int Height() const { return m_tBI.bmiHeader.biHeight; }
    int BytesPerScanLine() const { return Width() * 4; }
    HDC hdc() const { return dib_.Dc(); }
    HBITMAP hDib() const { return dib_.Bitmap(); }
    void* DIBSectionBitsPtr() const { return m_lPtr; }

private:
    bool CreateDIB(HDC lHDC, int lWidth, int lHeight, GdiObject<HBITMAP>& hDib);
    bool WriteBitmapFile(const std::wstring& fileName) const;
    DibPixels Pixels() const { return {static_cast<std::uint8_t*>(m_lPtr), Width(), Height()}; }

    SelectedBitmap dib_;
    HDRAWDIB m_hDD = nullptr;
    void* m_lPtr = nullptr;
    BITMAPINFO m_tBI{};
};

} // namespace orvane
