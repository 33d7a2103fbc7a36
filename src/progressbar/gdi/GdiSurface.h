#pragma once

#include "progressbar/ProgressSurface.h"
#include "progressbar/gdi/GdiHandles.h"
#include "progressbar/gdi/UxTheme.h"

#include <optional>

namespace orvane {

class pcProgressBar;

// The paint's surface on Windows: a DC (the memory surface, or the control's own), in device
// pixels, drawn on with GDI's own calls, the system colours of GetSysColor and the visual
// styles' theme. The clip region and the theme live as long as the object.
class GdiSurface final : public ProgressSurface {
public:
    GdiSurface(pcProgressBar& bar, HDC hdc);
    GdiSurface(const GdiSurface&) = delete;
    GdiSurface& operator=(const GdiSurface&) = delete;
    ~GdiSurface() { Unclip(); }

    void RaiseBeforeDraw(std::int32_t lLeft, std::int32_t lTop, std::int32_t lWidth,
                         std::int32_t lHeight) override;
    void FillRect(const Rect& rect, OleColor color) override;
    ColorRef TranslateColor(OleColor color) const override;
    ColorRef SysColor(int index) const override;
    void ClipTo(const Rect& rect) override;
    void Unclip() override;
    void DrawCaption(const Rect& rect, std::u16string_view text, std::uint32_t flags,
                     ColorRef color) override;
    void Blit(int x, int y, int width, int height, PictureSlot source, int srcX, int srcY) override;
    void Stretch(const Rect& rect, PictureSlot source) override;
    Rect ToDevice(const Rect& rect) const override { return rect; }
    void DeviceLines(ColorRef color, std::initializer_list<Point> points) override;
    void DeviceEdge(const Rect& rect, bool bRaised) override;
    ProgressTheme* OpenTheme() override;

private:
    pcProgressBar& bar_;
    HDC hdc_;
    GdiObject<HRGN> clip_;
    std::optional<UxTheme> theme_;
};

} // namespace orvane
