#include "progressbar/ProgressTheme.h"

#include <QStyleOptionProgressBar>

namespace orvane {
namespace {

// The option is placed at the origin: styles turn a vertical bar about the origin of its
// rectangle, so the painter is moved to the rectangle instead.
QStyleOptionProgressBar Option(const QWidget& control, bool horizontal, const QRect& rect,
                               int progress) {
    QStyleOptionProgressBar option;
    option.initFrom(&control);
    option.rect = QRect(QPoint(0, 0), rect.size());
    option.minimum = 0;
    option.maximum = 1;
    option.progress = progress;
    option.textVisible = false;
    if (horizontal) {
        option.state |= QStyle::State_Horizontal;
    } else {
        option.state &= ~QStyle::State_Horizontal;
    }
    return option;
}

} // namespace

std::optional<ProgressTheme> ProgressTheme::Open(const QWidget& control) {
    QStyle* style = control.style();
    if (style == nullptr) {
        return std::nullopt;
    }
    return ProgressTheme(control, *style);
}

std::optional<int> ProgressTheme::ChunkSize() const {
    const int chunk = style_->pixelMetric(QStyle::PM_ProgressBarChunkWidth, nullptr, control_);
    return chunk > 0 ? std::optional<int>(chunk) : std::nullopt;
}

std::optional<int> ProgressTheme::SpaceSize() const {
    const int space = style_->pixelMetric(PM_ProgressBarSpaceSize, nullptr, control_);
    return space >= 0 ? std::optional<int>(space) : std::nullopt;
}

bool ProgressTheme::DrawBackground(QPainter& hdc, bool horizontal, const QRect& rect) const {
    const QStyleOptionProgressBar option = Option(*control_, horizontal, rect, 0);
    if (style_->subElementRect(QStyle::SE_ProgressBarGroove, &option, control_).isEmpty()) {
        return false;
    }
    // A style draws its groove over its parent's background, and may leave corners open: the
    // window colour stands in for the parent, so nothing of an earlier paint shows through.
    hdc.fillRect(rect, control_->palette().color(QPalette::Window));
    hdc.save();
    hdc.translate(rect.topLeft());
    style_->drawControl(QStyle::CE_ProgressBarGroove, &option, &hdc, control_);
    hdc.restore();
    return true;
}

void ProgressTheme::DrawChunks(QPainter& hdc, bool horizontal, const QRect& rect) const {
    const QStyleOptionProgressBar option = Option(*control_, horizontal, rect, 1);
    hdc.save();
    hdc.setClipRect(rect);
    hdc.translate(rect.topLeft());
    style_->drawControl(QStyle::CE_ProgressBarContents, &option, &hdc, control_);
    hdc.restore();
}

QRect ProgressTheme::ContentRect(const QRect& bounding) const {
    const QStyleOptionProgressBar option = Option(*control_, true, bounding, 0);
    return style_->subElementRect(QStyle::SE_ProgressBarContents, &option, control_)
        .translated(bounding.topLeft());
}

void ProgressTheme::DrawText(QPainter& hdc, const QRect& rect, const TextFormat& format,
                             const QString& text) const {
    if (!format.draw) {
        return;
    }
    const QString shown =
        format.elide == Qt::ElideNone
            ? text
            : hdc.fontMetrics().elidedText(text, format.elide, rect.width(), format.qtFlags);
    hdc.save();
    hdc.setLayoutDirection(format.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    style_->drawItemText(&hdc, rect, format.qtFlags, control_->palette(), control_->isEnabled(),
                         shown, QPalette::Text);
    hdc.restore();
}

} // namespace orvane
