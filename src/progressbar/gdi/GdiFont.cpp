#include "progressbar/gdi/GdiFont.h"

#include "progressbar/TextCodec.h"

#include <algorithm>
#include <cmath>

namespace orvane {

GdiObject<HFONT> MakeFont(const FontSpec& font, UINT dpi) {
    LOGFONTW description{};
    // A negative height asks for the character height, without the internal leading.
    description.lfHeight = -static_cast<LONG>(std::lround(font.size * dpi / 72.0));
    description.lfWeight = font.weight;
    description.lfItalic = font.italic ? TRUE : FALSE;
    description.lfUnderline = font.underline ? TRUE : FALSE;
    description.lfStrikeOut = font.strikeout ? TRUE : FALSE;
    description.lfCharSet = static_cast<BYTE>(font.charset);
    const std::u16string face = ToUtf16(font.face);
    std::copy_n(face.begin(), std::min<std::size_t>(face.size(), LF_FACESIZE - 1),
                description.lfFaceName);
    return GdiObject<HFONT>(::CreateFontIndirectW(&description));
}

} // namespace orvane
