#include "qt/OuterSize.h"

#include <QEvent>
#include <QStyle>
#include <QWidget>

namespace orvane::qt {

windowlogic::FrameMargins ReportedFrame(const QWidget& window) {
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

int UsualTitleBarHeight(const QWidget& window) {
    return window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
}

OuterSize::OuterSize(QWidget& window, Fixing fixing, std::function<void()> sized)
    : window_(window), fixing_(fixing), sized_(std::move(sized)) {
    window_.installEventFilter(this);
}

void OuterSize::set(windowlogic::TwipsSize outer) {
    outer_ = outer;
    set_ = true;
    apply();
}

void OuterSize::apply() {
    frame_ = ReportedFrame(window_);
    const windowlogic::PixelSize inner =
        windowlogic::InnerSize(outer_, window_.logicalDpiX(), frame_, UsualTitleBarHeight(window_));
    if (fixing_ == Fixing::fixed) {
        window_.setFixedSize(inner.width, inner.height);
    } else {
        window_.resize(inner.width, inner.height);
    }
    given_ = inner;
    if (sized_) {
        sized_();
    }
}

bool OuterSize::eventFilter(QObject* watched, QEvent* event) {
    const bool mayHaveFrame = event->type() == QEvent::Show || event->type() == QEvent::Move;
    if (set_ && watched == &window_ && mayHaveFrame && ReportedFrame(window_) != frame_) {
        const bool resizedByUser =
            fixing_ == Fixing::resizable &&
            windowlogic::PixelSize{window_.width(), window_.height()} != given_;
        if (!resizedByUser) {
            apply();
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace orvane::qt
