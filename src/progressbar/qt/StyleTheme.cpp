#include "progressbar/qt/StyleTheme.h"

#include "progressbar/qt/QtConversions.h"
#include "progressbar/qt/TextFormat.h"

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

std::optional<int> StyleTheme::ChunkSize() const {
    const int chunk = style_.pixelMetric(QStyle::PM_ProgressBarChunkWidth, nullptr, &control_);
    return chunk > 0 ? std::optional<int>(chunk) : std::nullopt;
}

std::optional<int> StyleTheme::SpaceSize() const {
    const int space = style_.pixelMetric(PM_ProgressBarSpaceSize, nullptr, &control_);
    return space >= 0 ? std::optional<int>(space) : std::nullopt;
}

bool StyleTheme::DrawBar(bool horizontal, const Rect& area) {
    const QRect rect = ToQRect(area);
    const QStyleOptionProgressBar option = Option(control_, horizontal, rect, 0);
    if (style_.subElementRect(QStyle::SE_ProgressBarGroove, &option, &control_).isEmpty()) {
        return false;
    }
    // A style draws its groove over its parent's background, and may leave corners open: the
    // window colour stands in for the parent, so nothing of an earlier paint shows through.
    hdc_.fillRect(rect, control_.palette().color(QPalette::Window));
    hdc_.save();
    hdc_.translate(rect.topLeft());
    style_.drawControl(QStyle::CE_ProgressBarGroove, &option, &hdc_, &control_);
    hdc_.restore();
    return true;
}

void StyleTheme::DrawChunks(bool horizontal, const Rect& area) {
    const QRect rect = ToQRect(area);
    const QStyleOptionProgressBar option = Option(control_, horizontal, rect, 1);
    hdc_.save();
    hdc_.setClipRect(rect);
    hdc_.translate(rect.topLeft());
    style_.drawControl(QStyle::CE_ProgressBarContents, &option, &hdc_, &control_);
    hdc_.restore();
}

Rect StyleTheme::ContentRect(const Rect& bounding) const {
    const QRect rect = ToQRect(bounding);
    const QStyleOptionProgressBar option = Option(control_, true, rect, 0);
    const QRect content = style_.subElementRect(QStyle::SE_ProgressBarContents, &option, &control_)
                              .translated(rect.topLeft());
    return {content.left(), content.top(), content.left() + content.width(),
            content.top() + content.height()};
}

void StyleTheme::DrawThemeCaption(const Rect& area, std::u16string_view text, std::uint32_t flags) {
    const TextFormat format = FromDrawTextFlags(flags);
    if (!format.draw) {
        return;
    }
    const QRect rect = ToQRect(area);
    const QString caption =
        QStringView(text.data(), static_cast<qsizetype>(text.size())).toString();
    hdc_.save();
    hdc_.setFont(control_.font());
    const QString shown =
        format.elide == Qt::ElideNone
            ? caption
            : hdc_.fontMetrics().elidedText(caption, format.elide, rect.width(), format.qtFlags);
    hdc_.setLayoutDirection(format.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    style_.drawItemText(&hdc_, rect, format.qtFlags, control_.palette(), control_.isEnabled(),
                        shown, QPalette::Text);
    hdc_.restore();
}

} // namespace orvane
