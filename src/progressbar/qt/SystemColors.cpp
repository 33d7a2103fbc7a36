#include "progressbar/qt/SystemColors.h"

#include <array>

namespace orvane {
namespace {

struct PaletteEntry {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// Each system colour index stands for the palette role that plays the same part on screen.
constexpr std::array<PaletteEntry, 31> kSystemColors{{
    {QPalette::Active, QPalette::Mid},               // 0 scroll bar
    {QPalette::Active, QPalette::Dark},              // 1 desktop
    {QPalette::Active, QPalette::Highlight},         // 2 active caption
    {QPalette::Inactive, QPalette::Highlight},       // 3 inactive caption
    {QPalette::Active, QPalette::Window},            // 4 menu
    {QPalette::Active, QPalette::Base},              // 5 window
    {QPalette::Active, QPalette::Shadow},            // 6 window frame
    {QPalette::Active, QPalette::WindowText},        // 7 menu text
    {QPalette::Active, QPalette::WindowText},        // 8 window text
    {QPalette::Active, QPalette::HighlightedText},   // 9 caption text
    {QPalette::Active, QPalette::Window},            // 10 active border
    {QPalette::Inactive, QPalette::Window},          // 11 inactive border
    {QPalette::Active, QPalette::Mid},               // 12 application workspace
    {QPalette::Active, QPalette::Highlight},         // 13 highlight
    {QPalette::Active, QPalette::HighlightedText},   // 14 highlight text
    {QPalette::Active, QPalette::Button},            // 15 button face
    {QPalette::Active, QPalette::Dark},              // 16 button shadow
    {QPalette::Disabled, QPalette::WindowText},      // 17 grey text
    {QPalette::Active, QPalette::ButtonText},        // 18 button text
    {QPalette::Inactive, QPalette::HighlightedText}, // 19 inactive caption text
    {QPalette::Active, QPalette::Light},             // 20 button highlight
    {QPalette::Active, QPalette::Shadow},            // 21 3-D dark shadow
    {QPalette::Active, QPalette::Midlight},          // 22 3-D light
    {QPalette::Active, QPalette::ToolTipText},       // 23 tooltip text
    {QPalette::Active, QPalette::ToolTipBase},       // 24 tooltip background
    {QPalette::Active, QPalette::Window},            // 25 unassigned
    {QPalette::Active, QPalette::Link},              // 26 hot-tracked item
    {QPalette::Active, QPalette::Highlight},         // 27 active caption gradient
    {QPalette::Inactive, QPalette::Highlight},       // 28 inactive caption gradient
    {QPalette::Active, QPalette::Highlight},         // 29 menu highlight
    {QPalette::Active, QPalette::Window},            // 30 menu bar
}};

QColor FromRgbBytes(std::uint32_t color) {
    return QColor(static_cast<int>(color & 0xFFU), static_cast<int>((color >> 8) & 0xFFU),
                  static_cast<int>((color >> 16) & 0xFFU));
}

} // namespace

QColor SystemColor(int index, const QPalette& palette) {
    if (index < 0 || index >= static_cast<int>(kSystemColors.size())) {
        return Qt::black;
    }
    const PaletteEntry& entry = kSystemColors[static_cast<std::size_t>(index)];
    return palette.color(entry.group, entry.role);
}

ColorRef TranslateColor(OleColor color, const QPalette& palette) {
    switch (color >> 24) {
    case 0x00:
        return color;
    case 0x80: {
        const std::uint32_t index = color & 0x00FFFFFFU;
        if (index >= kSystemColors.size()) {
            return kInvalidColor;
        }
        return ToColorRef(SystemColor(static_cast<int>(index), palette));
    }
    default:
        return kInvalidColor;
    }
}

QColor BrushColor(OleColor color, const QPalette& palette) {
    if ((color & kSystemColorBit) != 0) {
        return SystemColor(static_cast<int>(color & 31U), palette);
    }
    return FromRgbBytes(color);
}

QColor FromColorRef(ColorRef color) {
    // Text given the colour of a failed conversion is black, as GDI draws it.
    return color == kInvalidColor ? QColor(Qt::black) : FromRgbBytes(color);
}

ColorRef ToColorRef(QColor color) {
    return RgbColor(color.red(), color.green(), color.blue());
}

} // namespace orvane
