#pragma once

#include "progressbar/ProgressBarModel.h"
#include "progressbar/gdi/GdiHandles.h"
#include "progressbar/gdi/pcMemDC.h"
#include "progressbar/gdi/pcPictureHolder.h"

#include <cstdint>
#include <functional>

namespace orvane {

// The self-drawn progress bar as a window of its own class: a value between a minimum and a
// maximum, a classic look (colours or pictures, segments, three border styles) and the visual
// styles' look, with a caption in two colours. Every assignment composes the whole control in
// its memory surface and puts it on the window's own DC before it returns; WM_PAINT and
// WM_PRINTCLIENT compose anew. Sizes are device pixels: the process is expected to be aware of
// each monitor's density, and the caption's font follows the window's.
class pcProgressBar final : public ProgressBarModel {
public:
    // The class name the window class is registered under, once per process.
    static constexpr const wchar_t* kClassName = L"OrvaneProgressBar";

    // Makes the control's window at (x, y), width x height: a child of parent, or a pop-up
    // window of its own without one (hidden until shown).
    pcProgressBar(HWND parent, int x, int y, int width, int height);
    ~pcProgressBar() override;

    HWND hWnd() const { return hWnd_; }
    // The window's own device context (the class has CS_OWNDC), kept for the window's life.
    HDC hdc() const { return hdc_; }

    // Raised at the start of every paint with the DC it draws on; bDoDefault arrives by value,
    // so the paint always goes on.
    std::function<void(HDC hdc, std::int32_t lLeft, std::int32_t lTop, std::int32_t lWidth,
                       std::int32_t lHeight, bool bDoDefault)>
        BeforeDraw;

    void DrawControl() override;
    // The memory surface as the last paint left it, for inspection.
    const pcMemDC& MemDC() const { return memDC_; }

protected:
    void FontAssigned() override;
    void PictureAssigned(PictureSlot slot) override;
    void ModifyHolder(PictureSlot slot, double fLuminance, double fSaturation) override;

private:
    friend class GdiSurface;

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam);
    // Composes the control and copies it onto target.
    void Paint(HDC target);
    HFONT FontHandle() const { return font_.get(); }
    pcPictureHolder& Holder(PictureSlot slot) {
        return slot == PictureSlot::Bar ? picBar_ : picBack_;
    }

    HWND hWnd_ = nullptr;
    HDC hdc_ = nullptr;
    pcMemDC memDC_;
    pcPictureHolder picBar_;
    pcPictureHolder picBack_;
    GdiObject<HFONT> font_;
};

} // namespace orvane
