#include "progressbar/gdi/pcDibSection.h"

#include <algorithm>

namespace orvane {

bool pcDibSection::Create(int lWidth, int lHeight) {
    const bool drawDib = UseDrawDib();
    ClearUp();
    MemoryDC dc(::CreateCompatibleDC(nullptr));
    GdiObject<HBITMAP> dib;
    if (!dc || !CreateDIB(dc.get(), lWidth, lHeight, dib)) {
        ClearUp();
        return false;
    }
    dib_ = SelectedBitmap(std::move(dc), std::move(dib));
    setUseDrawDib(drawDib);
    return true;
}

bool pcDibSection::CreateDIB(HDC lHDC, int lWidth, int lHeight, GdiObject<HBITMAP>& hDib) {
    m_tBI = Dib32(lWidth, lHeight);
    hDib.reset(::CreateDIBSection(lHDC, &m_tBI, DIB_RGB_COLORS, &m_lPtr, nullptr, 0));
    return hDib != nullptr;
}

void pcDibSection::CreateFromHBitmap(HBITMAP hBmp) {
    BITMAP description{};
    ::GetObjectW(hBmp, sizeof(description), &description);
    if (!Create(description.bmWidth, description.bmHeight)) {
        return;
    }
    HDC desktop = ::GetDC(::GetDesktopWindow());
    const MemoryDC source(::CreateCompatibleDC(desktop));
    ::ReleaseDC(::GetDesktopWindow(), desktop);
    const HGDIOBJ old = ::SelectObject(source.get(), hBmp);
    LoadPictureBlt(source.get(), 0, 0, Width(), Height(), SRCCOPY);
    ::SelectObject(source.get(), old);
}

void pcDibSection::LoadPictureBlt(HDC lHDC, int lSrcLeft, int lSrcTop, int lSrcWidth,
                                  int lSrcHeight, DWORD eRop) {
    ::BitBlt(hdc(), 0, 0, lSrcWidth < 0 ? Width() : lSrcWidth,
             lSrcHeight < 0 ? Height() : lSrcHeight, lHDC, lSrcLeft, lSrcTop, eRop);
}

void pcDibSection::PaintPicture(HDC lHDC, int lDestLeft, int lDestTop, int lDestWidth,
                                int lDestHeight, int lSrcLeft, int lSrcTop, DWORD eRop) const {
    const int width = lDestWidth < 0 ? Width() : lDestWidth;
    const int height = lDestHeight < 0 ? Height() : lDestHeight;
    if (m_hDD != nullptr) {
        ::DrawDibDraw(m_hDD, lHDC, lDestLeft, lDestTop, width, height,
                      const_cast<BITMAPINFOHEADER*>(&m_tBI.bmiHeader), m_lPtr, lSrcLeft, lSrcTop,
                      width, height, 0);
    } else {
        ::BitBlt(lHDC, lDestLeft, lDestTop, width, height, hdc(), lSrcLeft, lSrcTop, eRop);
    }
}

void pcDibSection::AlphaPaintPicture(HDC lHDC, int lDestLeft, int lDestTop, int lDestWidth,
                                     int lDestHeight, int lSrcLeft, int lSrcTop,
                                     int lConstantAlpha) const {
    const int width = lDestWidth < 0 ? Width() : lDestWidth;
    const int height = lDestHeight < 0 ? Height() : lDestHeight;
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(std::clamp(lConstantAlpha, 0, 255)),
                              AC_SRC_ALPHA};
    ::AlphaBlend(lHDC, lDestLeft, lDestTop, width, height, hdc(), lSrcLeft, lSrcTop, width, height,
                 blend);
}

void pcDibSection::CodeAlphaBlend(pcDibSection& cDst, const pcDibSection& cSrc, int lDestLeft,
                                  int lDestTop, int lDestWidth, int lDestHeight,
                                  int SourceConstantAlpha) {
    orvane::CodeAlphaBlend(cDst.Pixels(), cSrc.Pixels(), lDestLeft, lDestTop, lDestWidth,
                           lDestHeight, SourceConstantAlpha);
}

void pcDibSection::ModifyHLS(double fHue, double fLuminance, double fSaturation) {
    orvane::ModifyHLS(Pixels(), fHue, fLuminance, fSaturation);
}

void pcDibSection::Clear() {
    orvane::Clear(Pixels());
}

void pcDibSection::RandomiseBits(bool bGray) {
    orvane::RandomiseBits(Pixels(), bGray);
}

void pcDibSection::Lighten(int lAmount) {
    orvane::Lighten(Pixels(), lAmount);
}

std::unique_ptr<pcDibSection> pcDibSection::Resample(int lNewHeight, int lNewWidth) const {
    auto resampled = std::make_unique<pcDibSection>();
    if (!resampled->Create(lNewWidth, lNewHeight)) {
        return nullptr;
    }
    if (lNewWidth == Width() && lNewHeight == Height()) {
        resampled->LoadPictureBlt(hdc());
    } else {
        // Each new pixel averages the old ones it covers.
        ::SetStretchBltMode(resampled->hdc(), HALFTONE);
        ::SetBrushOrgEx(resampled->hdc(), 0, 0, nullptr);
        ::StretchBlt(resampled->hdc(), 0, 0, lNewWidth, lNewHeight, hdc(), 0, 0, Width(), Height(),
                     SRCCOPY);
    }
    return resampled;
}

void pcDibSection::setUseDrawDib(bool value) {
    if (value && m_hDD == nullptr) {
        m_hDD = ::DrawDibOpen();
    } else if (!value && m_hDD != nullptr) {
        ::DrawDibClose(m_hDD);
        m_hDD = nullptr;
    }
}

void pcDibSection::ClearUp() {
    dib_ = SelectedBitmap();
    m_lPtr = nullptr;
    m_tBI = {};
    setUseDrawDib(false);
}

} // namespace orvane
