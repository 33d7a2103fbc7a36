#include "progressbar/qt/QtConversions.h"

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

QFont ToQFont(const FontSpec& stored) {
    const QString face = QString::fromStdString(stored.face);
    QFont font(face);
    font.setStyleHint(HintFor(face));
    if (stored.size > 0) {
        font.setPointSizeF(stored.size);
    }
    font.setWeight(static_cast<QFont::Weight>(qBound(1, stored.weight, 1000)));
    font.setItalic(stored.italic);
    font.setUnderline(stored.underline);
    font.setStrikeOut(stored.strikeout);
    return font;
}

FontSpec ToFontSpec(const QFont& font) {
    const double size = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 0.75;
    return FontSpec{font.family().toStdString(),
                    size,
                    static_cast<int>(font.weight()),
                    font.italic(),
                    font.underline(),
                    font.strikeOut()};
}

PictureObject ToPicture(const QImage& image) {
    if (image.isNull()) {
        return {};
    }
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    PictureObject picture{rgb.width(), rgb.height(),
                          std::vector<std::uint32_t>(static_cast<std::size_t>(rgb.width()) *
                                                     static_cast<std::size_t>(rgb.height()))};
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const std::uint32_t*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            picture.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(rgb.width()) +
                           static_cast<std::size_t>(x)] = line[x] & 0xFFFFFFU;
        }
    }
    return picture;
}

QImage ToImage(const PictureObject& picture) {
    if (picture.IsEmpty()) {
        return {};
    }
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    for (int y = 0; y < picture.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < picture.width; ++x) {
            // Qt's RGB32 keeps the unused byte at 0xFF.
            line[x] = picture.At(x, y) | 0xFF000000U;
        }
    }
    return image;
}

} // namespace orvane
