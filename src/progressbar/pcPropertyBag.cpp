#include "progressbar/pcPropertyBag.h"

#include "progressbar/StoredFont.h"

#include <QBuffer>
#include <QStringList>

#include <algorithm>

namespace orvane {
namespace {

QString Escaped(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\\') {
            out += QStringLiteral("\\\\");
        } else if (c == u'\n') {
            out += QStringLiteral("\\n");
        } else if (c == u'\r') {
            out += QStringLiteral("\\r");
        } else {
            out += c;
        }
    }
    return out;
}

QString Unescaped(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 1 < text.size()) {
            const QChar next = text[++i];
            out += next == u'n' ? QChar(u'\n') : next == u'r' ? QChar(u'\r') : next;
        } else {
            out += text[i];
        }
    }
    return out;
}

QString PictureText(const QImage& picture) {
    if (picture.isNull()) {
        return {};
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return QString::fromLatin1(png.toBase64());
}

QString ValueText(const PropertyValue& value) {
    struct Visitor {
        QString operator()(std::int32_t v) const { return "Long:" + QString::number(v); }
        QString operator()(bool v) const { return v ? "Flag:-1" : "Flag:0"; }
        QString operator()(const QString& v) const { return "Text:" + Escaped(v); }
        QString operator()(const QFont& v) const { return "Font:" + FontText(v); }
        QString operator()(const QImage& v) const { return "Picture:" + PictureText(v); }
    };
    return std::visit(Visitor{}, value);
}

std::optional<PropertyValue> ParseValue(const QString& type, const QString& payload) {
    bool ok = false;
    if (type == u"Long") {
        const std::int32_t number = payload.toInt(&ok);
        return ok ? std::optional<PropertyValue>(number) : std::nullopt;
    }
    if (type == u"Flag") {
        const int number = payload.toInt(&ok);
        return ok ? std::optional<PropertyValue>(number != 0) : std::nullopt;
    }
    if (type == u"Text") {
        return PropertyValue(Unescaped(payload));
    }
    if (type == u"Font") {
        const std::optional<QFont> font = FontFromText(payload);
        return font ? std::optional<PropertyValue>(*font) : std::nullopt;
    }
    if (type == u"Picture") {
        return PropertyValue(QImage::fromData(QByteArray::fromBase64(payload.toLatin1()), "PNG"));
    }
    return std::nullopt;
}

} // namespace

void pcPropertyBag::WriteProperty(const QString& key, const PropertyValue& value,
                                  const std::optional<PropertyValue>& defaultValue) {
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                  [&](const Entry& entry) { return entry.key == key; }),
                   entries_.end());
    if (defaultValue && *defaultValue == value) {
        return;
    }
    entries_.push_back({key, value});
}

PropertyValue pcPropertyBag::ReadProperty(const QString& key,
                                          const PropertyValue& defaultValue) const {
    const Entry* entry = Find(key);
    // A stored value of another type than asked for is as good as missing.
    if (entry == nullptr || entry->value.index() != defaultValue.index()) {
        return defaultValue;
    }
    return entry->value;
}

bool pcPropertyBag::Contains(const QString& key) const {
    return Find(key) != nullptr;
}

std::vector<QString> pcPropertyBag::Keys() const {
    std::vector<QString> keys;
    keys.reserve(entries_.size());
    for (const Entry& entry : entries_) {
        keys.push_back(entry.key);
    }
    return keys;
}

QString pcPropertyBag::ToText() const {
    QString text;
    for (const Entry& entry : entries_) {
        text += entry.key + u'=' + ValueText(entry.value) + u'\n';
    }
    return text;
}

pcPropertyBag pcPropertyBag::FromText(const QString& text) {
    pcPropertyBag bag;
    for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts)) {
        const qsizetype equals = line.indexOf(u'=');
        const qsizetype colon = line.indexOf(u':', equals + 1);
        if (equals <= 0 || colon < 0) {
            continue;
        }
        const std::optional<PropertyValue> value =
            ParseValue(line.mid(equals + 1, colon - equals - 1), line.mid(colon + 1));
        if (value) {
            bag.WriteProperty(line.left(equals), *value);
        }
    }
    return bag;
}

const pcPropertyBag::Entry* pcPropertyBag::Find(const QString& key) const {
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [&](const Entry& entry) { return entry.key == key; });
    return found == entries_.end() ? nullptr : &*found;
}

} // namespace orvane
