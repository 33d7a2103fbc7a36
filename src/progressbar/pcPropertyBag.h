#pragma once

#include "progressbar/FontSpec.h"
#include "progressbar/PictureObject.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace orvane {

// One stored value: a Long (colours included), a flag, a text, a font or a picture.
using PropertyValue = std::variant<std::int32_t, bool, std::u16string, FontSpec, PictureObject>;

// The host's store of a control's properties: named keys in the order they were written. A
// value equal to the default it was written with is left out, so reading it back yields the
// default again. The text form keeps one "Key=type:value" line per stored key, in UTF-8.
class pcPropertyBag {
public:
    void WriteProperty(std::string_view key, const PropertyValue& value,
                       const std::optional<PropertyValue>& defaultValue = std::nullopt);
    // A missing key, or one stored with another type, yields the default.
    PropertyValue ReadProperty(std::string_view key, const PropertyValue& defaultValue) const;
    template <typename T> T Read(std::string_view key, const T& defaultValue) const {
        return std::get<T>(ReadProperty(key, defaultValue));
    }
    bool Contains(std::string_view key) const;
    std::vector<std::string> Keys() const;

    std::string ToText() const;
    // Lines that cannot be read are skipped, as a missing key.
    static pcPropertyBag FromText(std::string_view text);

private:
    struct Entry {
        std::string key;
        PropertyValue value;
    };
    const Entry* Find(std::string_view key) const;

    std::vector<Entry> entries_;
};

} // namespace orvane
