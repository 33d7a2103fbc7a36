#include "progressbar/FontSpec.h"

#include <array>
#include <charconv>
#include <vector>

namespace orvane {
namespace {

template <typename Number> std::optional<Number> Parse(std::string_view text) {
    Number value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

} // namespace

FontSpec DefaultFont() {
    return FontSpec{"MS Sans Serif"};
}

std::string FontText(const FontSpec& font) {
    std::array<char, 32> size{};
    const auto written = std::to_chars(size.data(), size.data() + size.size(), font.size);
    const auto flag = [](bool on) { return on ? ";1" : ";0"; };
    return std::string(size.data(), written.ptr) + ';' + std::to_string(font.weight) +
           flag(font.italic) + flag(font.underline) + flag(font.strikeout) + ';' +
           std::to_string(font.charset) + ';' + font.face;
}

std::optional<FontSpec> FontFromText(std::string_view text) {
    std::vector<std::string_view> fields;
    while (fields.size() < 6) {
        const std::size_t semicolon = text.find(';');
        if (semicolon == std::string_view::npos) {
            return std::nullopt;
        }
        fields.push_back(text.substr(0, semicolon));
        text.remove_prefix(semicolon + 1);
    }
    const std::optional<double> size = Parse<double>(fields[0]);
    const std::optional<int> weight = Parse<int>(fields[1]);
    const std::optional<int> charset = Parse<int>(fields[5]);
    if (!size || !weight || !charset) {
        return std::nullopt;
    }
    return FontSpec{std::string(text), *size,   *weight, fields[2] == "1", fields[3] == "1",
                    fields[4] == "1",  *charset};
}

} // namespace orvane
