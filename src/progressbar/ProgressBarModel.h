#pragma once

#include "progressbar/FontSpec.h"
#include "progressbar/OleColor.h"
#include "progressbar/PictureObject.h"
#include "progressbar/pcPropertyBag.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// The two hidden picture holders: the background's (Picture) and the bar's (BarPicture).
enum class PictureSlot { Back = 0, Bar = 1 };

// What the progress bar control is without a toolkit: its properties with their initial values,
// what an assignment does (store, repaint the whole control at once, mark the property changed
// for the host), its persistence and its descriptions. A toolkit's pcProgressBar derives from it,
// owns the surfaces and the picture holders, and paints it with ProgressPaint.
class ProgressBarModel {
public:
    ProgressBarModel(const ProgressBarModel&) = delete;
    ProgressBarModel& operator=(const ProgressBarModel&) = delete;
    virtual ~ProgressBarModel() = default;

    bool Segments() const { return segments_; }
    void setSegments(bool value);
    bool XpStyle() const { return xpStyle_; }
    void setXpStyle(bool value);
    const std::u16string& Text() const { return text_; }
    void setText(std::u16string value);
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
    const FontSpec& Font() const { return font_; }
    void setFont(const FontSpec& value);
    OleColor BarColor() const { return barColor_; }
    void setBarColor(OleColor value);
    OleColor BarForeColor() const { return barForeColor_; }
    void setBarForeColor(OleColor value);
    const PictureObject& BarPicture() const { return pictures_[1]; }
    void setBarPicture(PictureObject value);
    std::int32_t BarPictureMode() const { return barPictureMode_; }
    void setBarPictureMode(std::int32_t value);
    std::int32_t BackPictureMode() const { return backPictureMode_; }
    void setBackPictureMode(std::int32_t value);
    const PictureObject& Picture() const { return pictures_[0]; }
    void setPicture(PictureObject value);

    // A holder holds a picture when its picture object has pixels.
    bool HasPicture(PictureSlot slot) const { return !PictureIn(slot).IsEmpty(); }
    const PictureObject& PictureIn(PictureSlot slot) const {
        return pictures_[static_cast<int>(slot)];
    }
    // " " + Text + " ", the caption as the classic look draws it, kept so a paint builds none.
    const std::u16string& PaddedText() const { return paddedText_; }

    // Re-colour the holder's drawing surface (not the stored picture), hue kept; shown at the
    // next paint. Without a picture nothing happens.
    void ModifyBarPicture(double fLuminance = 1.0, double fSaturation = 1.0);
    void ModifyPicture(double fLuminance = 1.0, double fSaturation = 1.0);

    // The host's lifecycle hooks.
    void InitProperties();
    void ReadProperties(const pcPropertyBag& bag);
    void WriteProperties(pcPropertyBag& bag) const;

    // The properties marked changed for the host's persistence, in the order of marking.
    const std::vector<std::string>& ChangedProperties() const { return changed_; }
    // The one-line description a property browser shows, empty for an unknown member.
    static std::string_view Description(std::string_view member);

    // Composes the whole control and presents it.
    virtual void DrawControl() = 0;

protected:
    // A new instance has the surface's own font until it is given one.
    explicit ProgressBarModel(FontSpec surfaceFont = DefaultFont())
        : font_(std::move(surfaceFont)) {}

    // Called after a new font or picture is stored and before the control repaints, so that
    // the toolkit can make its own font or the holder's drawing surface.
    virtual void FontAssigned() {}
    virtual void PictureAssigned(PictureSlot /*slot*/) {}
    // Re-colours the drawing surface of a holder that holds a picture.
    virtual void ModifyHolder(PictureSlot slot, double fLuminance, double fSaturation) = 0;

private:
    template <typename T> void Assign(T& field, T value, std::string_view name);
    void Assigned(std::string_view name);
    void MarkChanged(std::string_view name);

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
    std::u16string text_;
    std::u16string paddedText_ = u"  ";
    bool segments_ = false;
    bool xpStyle_ = false;
    FontSpec font_;
    PictureObject pictures_[2];
    std::vector<std::string> changed_;
};

} // namespace orvane
