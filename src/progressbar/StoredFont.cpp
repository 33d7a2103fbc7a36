#include "progressbar/StoredFont.h"

#include <QStringList>

namespace orvane {
namespace {

QFont::StyleHint HintFor(const QString& face) {
    if (face.contains(u"Console") || face.contains(u"Courier") || face.contains(u"Mono")) {
        return QFont::Monospace;
    }
    if (face.contains(u"Comic")) {
        return QFont::Cursive;
    }
    if (face.contains(u"Sans") || face.contains(u"Arial") || face.contains(u"Tahoma")) {
        return QFont::SansSerif;
    }
    return QFont::AnyStyle;
}

} // namespace

QFont StoredFont(const QString& face, double pointSize, int weight) {
    QFont font(face);
    font.setStyleHint(HintFor(face));
    if (pointSize > 0) {
        font.setPointSizeF(pointSize);
    }
    font.setWeight(static_cast<QFont::Weight>(qBound(1, weight, 1000)));
    return font;
}

QString FontText(const QFont& font) {
    return QStringLiteral("%1;%2;%3;%4;%5;0;%6")
        .arg(font.pointSizeF())
        .arg(static_cast<int>(font.weight()))
        .arg(font.italic() ? 1 : 0)
        .arg(font.underline() ? 1 : 0)
        .arg(font.strikeOut() ? 1 : 0)
        .arg(font.family());
}

std::optional<QFont> FontFromText(const QString& text) {
    const QStringList parts = text.split(u';');
    if (parts.size() < 7) {
        return std::nullopt;
    }
    bool sizeOk = false;
    bool weightOk = false;
    const double size = parts[0].toDouble(&sizeOk);
    const int weight = parts[1].toInt(&weightOk);
    if (!sizeOk || !weightOk) {
        return std::nullopt;
    }
    QFont font = StoredFont(parts.mid(6).join(u';'), size, weight);
    font.setItalic(parts[2] == u"1");
    font.setUnderline(parts[3] == u"1");
    font.setStrikeOut(parts[4] == u"1");
    return font;
}

} // namespace orvane
