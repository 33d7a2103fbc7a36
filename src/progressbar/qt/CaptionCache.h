#pragma once

#include "progressbar/qt/TextFormat.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringView>

#include <array>

namespace orvane {

// The caption laid out once on a transparent image the size of the client rectangle (at the
// surface's device pixel ratio, so the text is as sharp as the window's own), and
// kept in the two colours it is shown in. The run changes the value far more often than the
// text, and laying out text is most of a paint's cost, so a paint that changes only the value
// copies these images.
class CaptionCache {
public:
    enum Part { OverEmpty = 0, OverBar = 1 };

    const QImage& Caption(QStringView text, const QFont& font, const TextFormat& format, QSize size,
                          qreal ratio, Part part, const QColor& color);

private:
    bool LayoutIsCurrent(QStringView text, const QFont& font, const TextFormat& format, QSize size,
                         qreal ratio) const;
    void Layout(QStringView text, const QFont& font, const TextFormat& format, QSize size,
                qreal ratio);
    void Colour(QImage& coloured, const QColor& color) const;

    QString text_;
    QFont font_;
    int qtFlags_ = -1;
    Qt::TextElideMode elide_ = Qt::ElideNone;
    bool rightToLeft_ = false;
    // The laid-out text: its alpha is the coverage of each pixel.
    QImage mask_;
    // Invalid colours mark images that must be coloured again.
    std::array<QColor, 2> colors_;
    std::array<QImage, 2> coloured_;
};

} // namespace orvane
