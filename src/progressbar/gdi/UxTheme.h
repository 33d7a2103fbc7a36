#pragma once

#include "progressbar/ProgressSurface.h"
#include "progressbar/gdi/GdiHandles.h"

#include <uxtheme.h>

namespace orvane {

// The visual styles' "Progress" class, open for one paint on one DC; closed with the object.
class UxTheme final : public ProgressTheme {
public:
    UxTheme(HTHEME theme, HDC hdc, HFONT font) : theme_(theme), hdc_(hdc), font_(font) {}
    UxTheme(const UxTheme&) = delete;
    UxTheme& operator=(const UxTheme&) = delete;
    ~UxTheme() { ::CloseThemeData(theme_); }

    std::optional<int> ChunkSize() const override;
    std::optional<int> SpaceSize() const override;
    bool DrawBar(bool horizontal, const Rect& rect) override;
    void DrawChunks(bool horizontal, const Rect& rect) override;
    Rect ContentRect(const Rect& bounding) const override;
    void DrawThemeCaption(const Rect& rect, std::u16string_view text, std::uint32_t flags) override;

private:
    std::optional<int> Int(int property) const;

    HTHEME theme_;
    HDC hdc_;
    HFONT font_;
};

} // namespace orvane
