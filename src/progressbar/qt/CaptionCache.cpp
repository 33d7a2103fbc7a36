#include "progressbar/qt/CaptionCache.h"

#include <QFontMetrics>
#include <QPainter>

namespace orvane {

const QImage& CaptionCache::Caption(QStringView text, const QFont& font, const TextFormat& format,
                                    QSize size, qreal ratio, Part part, const QColor& color) {
    if (!LayoutIsCurrent(text, font, format, size, ratio)) {
        Layout(text, font, format, size, ratio);
    }
    QImage& coloured = coloured_[part];
    if (coloured.size() != mask_.size() || colors_[part] != color) {
        colors_[part] = color;
        Colour(coloured, color);
    }
    return coloured;
}

void CaptionCache::Colour(QImage& coloured, const QColor& color) const {
    if (coloured.size() != mask_.size()) {
        coloured = QImage(mask_.size(), QImage::Format_ARGB32_Premultiplied);
    }
    coloured.setDevicePixelRatio(mask_.devicePixelRatio());
    // The colour at the coverage of each pixel, premultiplied: what drawing the text in that
    // colour on a transparent image gives, without laying the text out again.
    std::array<QRgb, 256> byCoverage{};
    for (int alpha = 1; alpha < 256; ++alpha) {
        byCoverage[static_cast<std::size_t>(alpha)] =
            qPremultiply(qRgba(color.red(), color.green(), color.blue(), alpha));
    }
    const int width = mask_.width();
    const int height = mask_.height();
    for (int y = 0; y < height; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(mask_.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(coloured.scanLine(y));
        for (int x = 0; x < width; ++x) {
            out[x] = byCoverage[qAlpha(in[x])];
        }
    }
}

bool CaptionCache::LayoutIsCurrent(QStringView text, const QFont& font, const TextFormat& format,
                                   QSize size, qreal ratio) const {
    return !mask_.isNull() && mask_.size() == size * ratio && mask_.devicePixelRatio() == ratio &&
           qtFlags_ == format.qtFlags && elide_ == format.elide &&
           rightToLeft_ == format.rightToLeft && text_ == text && font_ == font;
}

void CaptionCache::Layout(QStringView text, const QFont& font, const TextFormat& format, QSize size,
                          qreal ratio) {
    text_ = text.toString();
    font_ = font;
    qtFlags_ = format.qtFlags;
    elide_ = format.elide;
    rightToLeft_ = format.rightToLeft;
    colors_ = {};
    // The images are kept at their size: a new one would also need a new paint engine.
    if (mask_.size() != size * ratio) {
        mask_ = QImage(size * ratio, QImage::Format_ARGB32_Premultiplied);
    }
    mask_.setDevicePixelRatio(ratio);
    mask_.fill(Qt::transparent);
    QPainter painter(&mask_);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.setLayoutDirection(format.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    const QString shown =
        format.elide == Qt::ElideNone
            ? text_
            : painter.fontMetrics().elidedText(text_, format.elide, size.width(), format.qtFlags);
    painter.drawText(QRect(QPoint(0, 0), size), format.qtFlags, shown);
}

} // namespace orvane
