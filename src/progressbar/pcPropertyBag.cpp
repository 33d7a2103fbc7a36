#include "progressbar/pcPropertyBag.h"

#include "progressbar/DibPixels.h"
#include "progressbar/TextCodec.h"

#include <algorithm>
#include <charconv>

namespace orvane {
namespace {

constexpr std::string_view kBase64 =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::string Base64(const std::vector<std::uint8_t>& bytes) {
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t count = std::min<std::size_t>(3, bytes.size() - i);
        std::uint32_t group = 0;
        for (std::size_t k = 0; k < 3; ++k) {
            group = group << 8 | (k < count ? bytes[i + k] : 0U);
        }
        for (std::size_t k = 0; k < 4; ++k) {
            out += k <= count ? kBase64[(group >> (18 - 6 * k)) & 0x3F] : '=';
        }
    }
    return out;
}

std::vector<std::uint8_t> FromBase64(std::string_view text) {
    std::vector<std::uint8_t> out;
    std::uint32_t group = 0;
    int bits = 0;
    for (const char c : text) {
        const std::size_t digit = kBase64.find(c);
        if (digit == std::string_view::npos) {
            continue;
        }
        group = group << 6 | static_cast<std::uint32_t>(digit);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out.push_back(static_cast<std::uint8_t>(group >> bits));
        }
    }
    return out;
}

// A picture is kept as the bitmap file of its pixels, bottom line first.
std::vector<std::uint8_t> BitmapBytes(const PictureObject& picture) {
    if (picture.IsEmpty()) {
        return {};
    }
    const auto header = BitmapFileHeader(picture.width, picture.height);
    std::vector<std::uint8_t> bytes(header.begin(), header.end());
    for (int y = picture.height - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width; ++x) {
            const std::uint32_t pixel = picture.At(x, y);
            for (int shift = 0; shift < 32; shift += 8) {
                bytes.push_back(static_cast<std::uint8_t>(pixel >> shift));
            }
        }
    }
    return bytes;
}

std::uint32_t Le(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

// Anything but the bitmap file BitmapBytes writes is no picture.
PictureObject PictureFromBitmap(const std::vector<std::uint8_t>& bytes) {
    PictureObject picture;
    if (bytes.size() < kBitmapFileHeaderBytes) {
        return picture;
    }
    const auto width = static_cast<int>(Le(bytes, 18));
    const auto height = static_cast<int>(Le(bytes, 22));
    if (width <= 0 || height <= 0 || width > 0x4000 || height > 0x4000 ||
        bytes.size() != kBitmapFileHeaderBytes + std::size_t{4} * width * height) {
        return picture;
    }
    picture = {width, height, std::vector<std::uint32_t>(std::size_t{1} * width * height)};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::size_t at =
                kBitmapFileHeaderBytes + (std::size_t{1} * (height - 1 - y) * width + x) * 4;
            picture.pixels[std::size_t{1} * y * width + x] = Le(bytes, at) & 0xFFFFFFU;
        }
    }
    return picture;
}

std::string Escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        out += c == '\\' ? "\\\\" : c == '\n' ? "\\n" : c == '\r' ? "\\r" : std::string(1, c);
    }
    return out;
}

std::string Unescaped(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char next = text[++i];
            out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string ValueText(const PropertyValue& value) {
    struct Visitor {
        std::string operator()(std::int32_t v) const { return "Long:" + std::to_string(v); }
        std::string operator()(bool v) const { return v ? "Flag:-1" : "Flag:0"; }
        std::string operator()(const std::u16string& v) const {
            return "Text:" + Escaped(ToUtf8(v));
        }
        std::string operator()(const FontSpec& v) const { return "Font:" + FontText(v); }
        std::string operator()(const PictureObject& v) const {
            return "Picture:" + Base64(BitmapBytes(v));
        }
    };
    return std::visit(Visitor{}, value);
}

std::optional<std::int32_t> Number(std::string_view text) {
    std::int32_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc() && end == text.data() + text.size() ? std::optional(number)
                                                                    : std::nullopt;
}

std::optional<PropertyValue> ParseValue(std::string_view type, std::string_view payload) {
    if (type == "Long") {
        const auto number = Number(payload);
        return number ? std::optional<PropertyValue>(*number) : std::nullopt;
    }
    if (type == "Flag") {
        const auto number = Number(payload);
        return number ? std::optional<PropertyValue>(*number != 0) : std::nullopt;
    }
    if (type == "Text") {
        return PropertyValue(ToUtf16(Unescaped(payload)));
    }
    if (type == "Font") {
        const std::optional<FontSpec> font = FontFromText(payload);
        return font ? std::optional<PropertyValue>(*font) : std::nullopt;
    }
    if (type == "Picture") {
        return PropertyValue(PictureFromBitmap(FromBase64(payload)));
    }
    return std::nullopt;
}

} // namespace

void pcPropertyBag::WriteProperty(std::string_view key, const PropertyValue& value,
                                  const std::optional<PropertyValue>& defaultValue) {
    std::erase_if(entries_, [&](const Entry& entry) { return entry.key == key; });
    if (defaultValue && *defaultValue == value) {
        return;
    }
    entries_.push_back({std::string(key), value});
}

PropertyValue pcPropertyBag::ReadProperty(std::string_view key,
                                          const PropertyValue& defaultValue) const {
    const Entry* entry = Find(key);
    if (entry == nullptr || entry->value.index() != defaultValue.index()) {
        return defaultValue;
    }
    return entry->value;
}

bool pcPropertyBag::Contains(std::string_view key) const {
    return Find(key) != nullptr;
}

std::vector<std::string> pcPropertyBag::Keys() const {
    std::vector<std::string> keys;
    keys.reserve(entries_.size());
    for (const Entry& entry : entries_) {
        keys.push_back(entry.key);
    }
    return keys;
}

std::string pcPropertyBag::ToText() const {
    std::string text;
    for (const Entry& entry : entries_) {
        text += entry.key + '=' + ValueText(entry.value) + '\n';
    }
    return text;
}

pcPropertyBag pcPropertyBag::FromText(std::string_view text) {
    pcPropertyBag bag;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        const std::size_t equals = line.find('=');
        const std::size_t colon = line.find(':', equals == std::string_view::npos ? 0 : equals);
        if (equals == 0 || equals == std::string_view::npos || colon == std::string_view::npos) {
            continue;
        }
        const std::optional<PropertyValue> value =
            ParseValue(line.substr(equals + 1, colon - equals - 1), line.substr(colon + 1));
        if (value) {
            bag.WriteProperty(line.substr(0, equals), *value);
        }
    }
    return bag;
}

const pcPropertyBag::Entry* pcPropertyBag::Find(std::string_view key) const {
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [&](const Entry& entry) { return entry.key == key; });
    return found == entries_.end() ? nullptr : &*found;
}

} // namespace orvane
