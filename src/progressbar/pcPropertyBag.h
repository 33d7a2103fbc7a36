#pragma once

#include <QFont>
#include <QImage>
#include <QString>

#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

namespace orvane {

// One stored value: a Long (colours included), a flag, a text, a font or a picture.
using PropertyValue = std::variant<std::int32_t, bool, QString, QFont, QImage>;

// The host's store of a control's properties: named keys in the order they were written. A
// value equal to the default it was written with is left out, so reading it back yields the
// default again. The text form keeps one "Key=type:value" line per stored key.
class pcPropertyBag {
public:
    void WriteProperty(const QString& key, const PropertyValue& value,
                       const std::optional<PropertyValue>& defaultValue = std::nullopt);
    PropertyValue ReadProperty(const QString& key, const PropertyValue& defaultValue) const;
    bool Contains(const QString& key) const;
    std::vector<QString> Keys() const;

    QString ToText() const;
    // Lines that cannot be read are skipped, as a missing key.
    static pcPropertyBag FromText(const QString& text);

private:
    struct Entry {
        QString key;
        PropertyValue value;
    };
    const Entry* Find(const QString& key) const;

    std::vector<Entry> entries_;
};

} // namespace orvane
