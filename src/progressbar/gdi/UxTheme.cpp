#include "progressbar/gdi/UxTheme.h"

#include <vssym32.h>

namespace orvane {
std::optional<int> UxTheme::Int(int property) const {
    int value = 0;
    return ::GetThemeInt(theme_, 0, 0, property, &value) == S_OK ? std::optional(value)
                                                                 : std::nullopt;
}

std::optional<int> UxTheme::ChunkSize() const {
    return Int(TMT_PROGRESSCHUNKSIZE);
}

std::optional<int> UxTheme::SpaceSize() const {
    return Int(TMT_PROGRESSSPACESIZE);
}

bool UxTheme::DrawBar(bool horizontal, const Rect& rect) {
    const RECT area = ToRECT(rect);
    return ::DrawThemeBackground(theme_, hdc_, horizontal ? PP_BAR : PP_BARVERT, 0, &area, &area) ==
           S_OK;
}

void UxTheme::DrawChunks(bool horizontal, const Rect& rect) {
    const RECT area = ToRECT(rect);
    ::DrawThemeBackground(theme_, hdc_, horizontal ? PP_CHUNK : PP_CHUNKVERT, 0, &area, &area);
}

Rect UxTheme::ContentRect(const Rect& bounding) const {
    const RECT area = ToRECT(bounding);
    RECT content = area;
    ::GetThemeBackgroundContentRect(theme_, hdc_, 0, 0, &area, &content);
    return {content.left, content.top, content.right, content.bottom};
}

void UxTheme::DrawThemeCaption(const Rect& rect, std::u16string_view text, std::uint32_t flags) {
    RECT area = ToRECT(rect);
    const HGDIOBJ old = ::SelectObject(hdc_, font_);
    ::DrawThemeText(theme_, hdc_, 0, 0, reinterpret_cast<const wchar_t*>(text.data()),
                    static_cast<int>(text.size()), flags, 0, &area);
    ::SelectObject(hdc_, old);
}

} // namespace orvane
