#pragma once

#include "progressbar/CaptionCache.h"
#include "progressbar/OleColor.h"
#include "progressbar/pcMemDC.h"
#include "progressbar/pcPictureHolder.h"
#include "progressbar/pcPropertyBag.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <cstdint>

namespace orvane {

// The self-drawn progress bar: a value between a minimum and a maximum, a classic look
// (colours or pictures, segments, three border styles) and a themed look drawn by the
// application's style, with a caption in two colours. Every assignment composes the whole
// control in its memory surface at once, at the screen's device pixel ratio; the composed
// image reaches the screen at the next paint event, or at once when presentation is
// synchronous.
class pcProgressBar : public QWidget {
    Q_OBJECT

public:
    // Made with the initial values below; the host then calls InitProperties for a new
    // instance or ReadProperties for a stored one.
    explicit pcProgressBar(QWidget* parent = nullptr);
    ~pcProgressBar() override;

    bool Segments() const { return segments_; }
    void setSegments(bool value);
    bool XpStyle() const { return xpStyle_; }
    void setXpStyle(bool value);
    const QString& Text() const { return text_; }
    void setText(const QString& value);
    std::int32_t TextAlignX() const { return textAlignX_; }
    void setTextAlignX(std::int32_t value);
    std::int32_t TextAlignY() const { return textAlignY_; }
    void setTextAlignY(std::int32_t value);
    bool ShowText() const { return showText_; }
    void setShowText(bool value);
    double Percent() const;
    std::int32_t Min() const { return min_; }
    void setMin(std::int32_t value);
    std::int32_t Max() const { return max_; }
    void setMax(std::int32_t value);
    std::int32_t Value() const { return value_; }
    void setValue(std::int32_t value);
    std::int32_t BorderStyle() const { return borderStyle_; }
    void setBorderStyle(std::int32_t value);
    std::int32_t Appearance() const { return appearance_; }
    void setAppearance(std::int32_t value);
    OleColor BackColor() const { return backColor_; }
    void setBackColor(OleColor value);
    OleColor ForeColor() const { return foreColor_; }
    void setForeColor(OleColor value);
    QFont Font() const { return font(); }
    // Hides QWidget::setFont on purpose: assigning the font repaints and marks it changed.
    void setFont(const QFont& value);
    OleColor BarColor() const { return barColor_; }
    void setBarColor(OleColor value);
    OleColor BarForeColor() const { return barForeColor_; }
    void setBarForeColor(OleColor value);
    const QImage& BarPicture() const { return picBar_.Picture(); }
    void setBarPicture(const QImage& value);
    std::int32_t BarPictureMode() const { return barPictureMode_; }
    void setBarPictureMode(std::int32_t value);
    std::int32_t BackPictureMode() const { return backPictureMode_; }
    void setBackPictureMode(std::int32_t value);
    const QImage& Picture() const { return picBack_.Picture(); }
    void setPicture(const QImage& value);

    // Re-colour the holder's drawing surface (not the stored picture); shown at the next paint.
    void ModifyBarPicture(double fLuminance = 1.0, double fSaturation = 1.0);
    void ModifyPicture(double fLuminance = 1.0, double fSaturation = 1.0);

    // The host's lifecycle hooks.
    void InitProperties();
    void ReadProperties(const pcPropertyBag& bag);
    void WriteProperties(pcPropertyBag& bag) const;

    // The properties marked changed for the host's persistence, in the order of marking.
    const QStringList& ChangedProperties() const { return changed_; }
    // Composes the whole control in the memory surface (or, without one, at the next paint
    // straight onto the control) and presents it: at once when presentation is synchronous,
    // else at the next paint event.
    void DrawControl();
    // For a bar assigned in a loop that does not return to the event loop: each assignment
    // then reaches the screen before the assignment returns.
    void setSynchronousPresentation(bool value) { synchronous_ = value; }
    // The last composed picture of the control, for inspection.
    const QImage& ComposedImage() const { return memDC_.Image(); }
    // The one-line description a property browser shows, empty for an unknown member.
    static QString Description(const QString& member);

signals:
    // Raised at the start of every paint; bDoDefault arrives by value, so the paint always
    // goes on.
    void BeforeDraw(QPainter* hdc, std::int32_t lLeft, std::int32_t lTop, std::int32_t lWidth,
                    std::int32_t lHeight, bool bDoDefault);
    // Tells the host's persistence that a property changed.
    void PropertyChanged(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    friend class ProgressPaint;

    void Assigned(const QString& name);
    void MarkChanged(const QString& name);
    template <typename T> void Assign(T& field, const T& value, const QString& name);
    void Compose(QPainter& hdc);

    pcMemDC memDC_;
    pcPictureHolder picBar_;
    pcPictureHolder picBack_;
    std::int32_t appearance_ = 1;
    std::int32_t borderStyle_ = 1;
    OleColor backColor_ = 0x8000000FU;
    OleColor foreColor_ = 0;
    OleColor barColor_ = 0x800000U;
    OleColor barForeColor_ = 0xFFFFFFU;
    std::int32_t barPictureMode_ = 1;
    std::int32_t backPictureMode_ = 1;
    std::int32_t min_ = 0;
    std::int32_t max_ = 100;
    std::int32_t value_ = 0;
    std::int32_t textAlignX_ = 1;
    std::int32_t textAlignY_ = 1;
    bool showText_ = false;
    QString text_;
    // " " + Text + " ", kept so that a paint builds no string.
    QString paddedText_;
    // The caption laid out once per text, in its two colours.
    CaptionCache caption_;
    bool segments_ = false;
    bool xpStyle_ = false;
    // True from an assignment's composition until a paint event has presented it; any other
    // paint event is a paint of its own and composes anew.
    bool presentPending_ = false;
    bool synchronous_ = false;
    // What the last paint of a synchronously presented bar put on the screen.
    QImage presented_;
    QStringList changed_;
};

} // namespace orvane
