#include "progressbar/pcProgressBar.h"

#include "progressbar/ProgressGeometry.h"
#include "progressbar/ProgressPaint.h"

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

pcProgressBar::pcProgressBar(QWidget* parent) : QWidget(parent) {
    // Every pixel is painted by the control; Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

pcProgressBar::~pcProgressBar() = default;

template <typename T> void pcProgressBar::Assign(T& field, const T& value, const QString& name) {
    field = value;
    Assigned(name);
}

void pcProgressBar::Assigned(const QString& name) {
    DrawControl();
    MarkChanged(name);
}

void pcProgressBar::MarkChanged(const QString& name) {
    if (!changed_.contains(name)) {
        changed_.append(name);
    }
    emit PropertyChanged(name);
}

void pcProgressBar::setSegments(bool value) {
    Assign(segments_, value, QStringLiteral("Segments"));
}
void pcProgressBar::setXpStyle(bool value) {
    Assign(xpStyle_, value, QStringLiteral("XpStyle"));
}

void pcProgressBar::setText(const QString& value) {
    text_ = value;
    paddedText_ = u' ' + value + u' ';
    Assigned(QStringLiteral("Text"));
}

void pcProgressBar::setTextAlignX(std::int32_t value) {
    Assign(textAlignX_, value, QStringLiteral("TextAlignX"));
}
void pcProgressBar::setTextAlignY(std::int32_t value) {
    Assign(textAlignY_, value, QStringLiteral("TextAlignY"));
}
void pcProgressBar::setShowText(bool value) {
    Assign(showText_, value, QStringLiteral("ShowText"));
}

double pcProgressBar::Percent() const {
    return FilledFraction(min_, max_, value_) * 100.0;
}

void pcProgressBar::setMin(std::int32_t value) {
    Assign(min_, value, QStringLiteral("Min"));
}
void pcProgressBar::setMax(std::int32_t value) {
    Assign(max_, value, QStringLiteral("Max"));
}
void pcProgressBar::setValue(std::int32_t value) {
    Assign(value_, value, QStringLiteral("Value"));
}
void pcProgressBar::setBorderStyle(std::int32_t value) {
    Assign(borderStyle_, value, QStringLiteral("BorderStyle"));
}
void pcProgressBar::setAppearance(std::int32_t value) {
    Assign(appearance_, value, QStringLiteral("Appearance"));
}
void pcProgressBar::setBackColor(OleColor value) {
    Assign(backColor_, value, QStringLiteral("BackColor"));
}
void pcProgressBar::setForeColor(OleColor value) {
    Assign(foreColor_, value, QStringLiteral("ForeColor"));
}

void pcProgressBar::setFont(const QFont& value) {
    QWidget::setFont(value);
    Assigned(QStringLiteral("Font"));
}

void pcProgressBar::setBarColor(OleColor value) {
    Assign(barColor_, value, QStringLiteral("BarColor"));
}
void pcProgressBar::setBarForeColor(OleColor value) {
    Assign(barForeColor_, value, QStringLiteral("BarForeColor"));
}

void pcProgressBar::setBarPicture(const QImage& value) {
    picBar_.setPicture(value);
    Assigned(QStringLiteral("BarPicture"));
    // The host is told of both pictures, so a save writes both.
    MarkChanged(QStringLiteral("Picture"));
}

void pcProgressBar::setBarPictureMode(std::int32_t value) {
    Assign(barPictureMode_, value, QStringLiteral("BarPictureMode"));
}
void pcProgressBar::setBackPictureMode(std::int32_t value) {
    Assign(backPictureMode_, value, QStringLiteral("BackPictureMode"));
}

void pcProgressBar::setPicture(const QImage& value) {
    picBack_.setPicture(value);
    Assigned(QStringLiteral("Picture"));
}

void pcProgressBar::ModifyBarPicture(double fLuminance, double fSaturation) {
    picBar_.Modify(fLuminance, fSaturation);
    // Not repainted now, but the next paint, whoever asks for it, shows the change.
    presentPending_ = false;
}

void pcProgressBar::ModifyPicture(double fLuminance, double fSaturation) {
    picBack_.Modify(fLuminance, fSaturation);
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
    ProgressPaint(*this, hdc).Run();
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
