#include "progressbar/qt/pcProgressBar.h"

#include "progressbar/ProgressPaint.h"
#include "progressbar/qt/QtConversions.h"
#include "progressbar/qt/QtSurface.h"

#include <QEvent>
#include <QPaintEvent>

#include <cstring>

namespace orvane {

namespace {

// QImage's own comparison goes pixel by pixel; a composed surface and its copy share their
// layout, so one memcmp tells whether the screen would change.
bool SameBytes(const QImage& a, const QImage& b) {
    return a.size() == b.size() && a.format() == b.format() && a.sizeInBytes() == b.sizeInBytes() &&
           std::memcmp(a.constBits(), b.constBits(), static_cast<std::size_t>(a.sizeInBytes())) ==
               0;
}

} // namespace

pcProgressBar::pcProgressBar(QWidget* parent)
    : QWidget(parent), ProgressBarModel(ToFontSpec(QWidget::font())) {
    // Every pixel is painted by the control; Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

pcProgressBar::~pcProgressBar() = default;

void pcProgressBar::setFont(const QFont& value) {
    ProgressBarModel::setFont(ToFontSpec(value));
}

void pcProgressBar::setBarPicture(const QImage& value) {
    ProgressBarModel::setBarPicture(ToPicture(value));
}

void pcProgressBar::setPicture(const QImage& value) {
    ProgressBarModel::setPicture(ToPicture(value));
}

void pcProgressBar::FontAssigned() {
    QWidget::setFont(ToQFont(Font()));
}

void pcProgressBar::PictureAssigned(PictureSlot slot) {
    (slot == PictureSlot::Bar ? picBar_ : picBack_).setPicture(ToImage(PictureIn(slot)));
}

void pcProgressBar::ModifyHolder(PictureSlot slot, double fLuminance, double fSaturation) {
    (slot == PictureSlot::Bar ? picBar_ : picBack_).Modify(fLuminance, fSaturation);
    // Not repainted now, but the next paint, whoever asks for it, shows the change.
    presentPending_ = false;
}

void pcProgressBar::DrawControl() {
    QPainter* hdc = memDC_.hdc(width(), height(), devicePixelRatioF());
    presentPending_ = hdc != nullptr;
    if (hdc != nullptr) {
        Compose(*hdc);
    }
    if (!synchronous_) {
        update();
    } else if (hdc == nullptr || !SameBytes(memDC_.Image(), presented_)) {
        // A synchronous present is a round trip to the display server; a loop of thousands of
        // assignments that move the bar by less than a pixel must not pay one for each.
        repaint();
    }
}

void pcProgressBar::Compose(QPainter& hdc) {
    QtSurface surface(*this, hdc);
    ProgressPaint(*this, surface, {0, 0, width(), height()}).Run();
}

void pcProgressBar::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    // A paint the platform asks for (an exposure, a new screen) raises BeforeDraw and composes
    // like any other; only an assignment's own composition is presented as it is.
    if (!presentPending_ || memDC_.Ratio() != devicePixelRatioF()) {
        QPainter* hdc = memDC_.hdc(width(), height(), devicePixelRatioF());
        if (hdc == nullptr) {
            // Without a memory surface the paint goes straight onto the control.
            Compose(painter);
            return;
        }
        Compose(*hdc);
    }
    presentPending_ = false;
    memDC_.Draw(painter, 0, 0, width(), height(), 0, 0);
    if (synchronous_) {
        presented_ = memDC_.Image().copy();
    }
}

void pcProgressBar::resizeEvent(QResizeEvent* /*event*/) {
    DrawControl();
}

void pcProgressBar::changeEvent(QEvent* event) {
    // System colours and the caption font follow the palette and the font.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange ||
        event->type() == QEvent::StyleChange) {
        presentPending_ = false;
        update();
    }
    QWidget::changeEvent(event);
}

} // namespace orvane
