#include "progressbar/qt/TextFormat.h"

namespace orvane {
namespace {

constexpr std::uint32_t DT_CENTER = 0x1;
constexpr std::uint32_t DT_RIGHT = 0x2;
constexpr std::uint32_t DT_VCENTER = 0x4;
constexpr std::uint32_t DT_BOTTOM = 0x8;
constexpr std::uint32_t DT_WORDBREAK = 0x10;
constexpr std::uint32_t DT_SINGLELINE = 0x20;
constexpr std::uint32_t DT_EXPANDTABS = 0x40;
constexpr std::uint32_t DT_NOCLIP = 0x100;
constexpr std::uint32_t DT_CALCRECT = 0x400;
constexpr std::uint32_t DT_NOPREFIX = 0x800;
constexpr std::uint32_t DT_PATH_ELLIPSIS = 0x4000;
constexpr std::uint32_t DT_END_ELLIPSIS = 0x8000;
constexpr std::uint32_t DT_RTLREADING = 0x20000;
constexpr std::uint32_t DT_WORD_ELLIPSIS = 0x40000;
constexpr std::uint32_t DT_HIDEPREFIX = 0x100000;
constexpr std::uint32_t DT_PREFIXONLY = 0x200000;

int Horizontal(std::uint32_t flags) {
    // Centre wins over right when both bits are set.
    if ((flags & DT_CENTER) != 0) {
        return Qt::AlignHCenter;
    }
    return (flags & DT_RIGHT) != 0 ? Qt::AlignRight : Qt::AlignLeft;
}

int Vertical(std::uint32_t flags) {
    // Vertical placement applies to a single line only; centre wins over bottom.
    if ((flags & DT_SINGLELINE) == 0) {
        return Qt::AlignTop;
    }
    if ((flags & DT_VCENTER) != 0) {
        return Qt::AlignVCenter;
    }
    return (flags & DT_BOTTOM) != 0 ? Qt::AlignBottom : Qt::AlignTop;
}

int Prefix(std::uint32_t flags) {
    if ((flags & DT_NOPREFIX) != 0) {
        return 0;
    }
    // Without DT_NOPREFIX an "&" underlines the next character and "&&" shows one "&".
    return (flags & DT_HIDEPREFIX) != 0 ? Qt::TextHideMnemonic : Qt::TextShowMnemonic;
}

} // namespace

TextFormat FromDrawTextFlags(std::uint32_t flags) {
    TextFormat format;
    format.draw = (flags & (DT_CALCRECT | DT_PREFIXONLY)) == 0;
    // Left and right are the rectangle's sides whatever the reading order: Qt would otherwise
    // swap them for right-to-left text, which the platform's text drawing does not.
    format.qtFlags = Horizontal(flags) | Qt::AlignAbsolute | Vertical(flags) | Prefix(flags);
    format.qtFlags |= (flags & DT_SINGLELINE) != 0  ? Qt::TextSingleLine
                      : (flags & DT_WORDBREAK) != 0 ? Qt::TextWordWrap
                                                    : 0;
    if ((flags & DT_EXPANDTABS) != 0) {
        format.qtFlags |= Qt::TextExpandTabs;
    }
    if ((flags & DT_NOCLIP) != 0) {
        format.qtFlags |= Qt::TextDontClip;
    }
    if ((flags & DT_PATH_ELLIPSIS) != 0) {
        format.elide = Qt::ElideMiddle;
    } else if ((flags & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS)) != 0) {
        format.elide = Qt::ElideRight;
    }
    format.rightToLeft = (flags & DT_RTLREADING) != 0;
    return format;
}

} // namespace orvane
