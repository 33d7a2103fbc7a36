#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// A standard font object as the control keeps it: what each toolkit needs to make its own font.
// The face name is UTF-8; the size is in points, so the font follows the screen's density.
struct FontSpec {
    std::string face;
    double size = 8.25;
    // 400 normal, 700 bold.
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    int charset = 0;

    bool operator==(const FontSpec&) const = default;
};

// The font of a surface that nobody has given one: the classic dialog font.
FontSpec DefaultFont();

// "size;weight;italic;underline;strikeout;charset;face"; the face may hold ";".
std::string FontText(const FontSpec& font);
std::optional<FontSpec> FontFromText(std::string_view text);

} // namespace orvane
