#pragma once

#include "progressbar/ProgressBarModel.h"
#include "progressbar/qt/CaptionCache.h"
#include "progressbar/qt/pcMemDC.h"
#include "progressbar/qt/pcPictureHolder.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <QWidget>

#include <cstdint>

namespace orvane {

// The self-drawn progress bar as a Qt widget: a value between a minimum and a maximum, a
// classic look (colours or pictures, segments, three border styles) and a themed look drawn by
// the application's style, with a caption in two colours. Every assignment composes the whole
// control in its memory surface at once, at the screen's device pixel ratio; the composed
// image reaches the screen at the next paint event, or at once when presentation is
// synchronous.
class pcProgressBar : public QWidget, public ProgressBarModel {
    Q_OBJECT

public:
    // Made with the initial values; the host then calls InitProperties for a new instance or
    // ReadProperties for a stored one.
    explicit pcProgressBar(QWidget* parent = nullptr);
    ~pcProgressBar() override;

    // The caption, the font and the pictures in Qt's types.
    QString Text() const { return QString::fromStdU16String(ProgressBarModel::Text()); }
    void setText(const QString& value) { ProgressBarModel::setText(value.toStdU16String()); }
    // Hides QWidget::setFont on purpose: assigning the font repaints and marks it changed.
    void setFont(const QFont& value);
    void setBarPicture(const QImage& value);
    void setPicture(const QImage& value);

    // Composes the whole control in the memory surface (or, without one, at the next paint
    // straight onto the control) and presents it: at once when presentation is synchronous,
    // else at the next paint event.
    void DrawControl() override;
    // For a bar assigned in a loop that does not return to the event loop: each assignment
    // then reaches the screen before the assignment returns.
    void setSynchronousPresentation(bool value) { synchronous_ = value; }
    // The last composed picture of the control, for inspection.
    const QImage& ComposedImage() const { return memDC_.Image(); }

signals:
    // Raised at the start of every paint; bDoDefault arrives by value, so the paint always
    // goes on.
    void BeforeDraw(QPainter* hdc, std::int32_t lLeft, std::int32_t lTop, std::int32_t lWidth,
                    std::int32_t lHeight, bool bDoDefault);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

    void FontAssigned() override;
    void PictureAssigned(PictureSlot slot) override;
    void ModifyHolder(PictureSlot slot, double fLuminance, double fSaturation) override;

private:
    friend class QtSurface;

    const pcPictureHolder& Holder(PictureSlot slot) const {
        return slot == PictureSlot::Bar ? picBar_ : picBack_;
    }
    void Compose(QPainter& hdc);

    pcMemDC memDC_;
    pcPictureHolder picBar_;
    pcPictureHolder picBack_;
    // The caption laid out once per text, in its two colours.
    CaptionCache caption_;
    // True from an assignment's composition until a paint event has presented it; any other
    // paint event is a paint of its own and composes anew.
    bool presentPending_ = false;
    bool synchronous_ = false;
    // What the last paint of a synchronously presented bar put on the screen.
    QImage presented_;
};

} // namespace orvane
