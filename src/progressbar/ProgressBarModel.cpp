#include "progressbar/ProgressBarModel.h"

#include "progressbar/ProgressGeometry.h"

#include <algorithm>

namespace orvane {

template <typename T> void ProgressBarModel::Assign(T& field, T value, std::string_view name) {
    field = std::move(value);
    Assigned(name);
}

void ProgressBarModel::Assigned(std::string_view name) {
    DrawControl();
    MarkChanged(name);
}

void ProgressBarModel::MarkChanged(std::string_view name) {
    if (std::find(changed_.begin(), changed_.end(), name) == changed_.end()) {
        changed_.emplace_back(name);
    }
}

void ProgressBarModel::setSegments(bool value) {
    Assign(segments_, value, "Segments");
}
void ProgressBarModel::setXpStyle(bool value) {
    Assign(xpStyle_, value, "XpStyle");
}

void ProgressBarModel::setText(std::u16string value) {
    paddedText_.assign(1, u' ').append(value).push_back(u' ');
    Assign(text_, std::move(value), "Text");
}

void ProgressBarModel::setTextAlignX(std::int32_t value) {
    Assign(textAlignX_, value, "TextAlignX");
}
void ProgressBarModel::setTextAlignY(std::int32_t value) {
    Assign(textAlignY_, value, "TextAlignY");
}
void ProgressBarModel::setShowText(bool value) {
    Assign(showText_, value, "ShowText");
}

double ProgressBarModel::Percent() const {
    return FilledFraction(min_, max_, value_) * 100.0;
}

void ProgressBarModel::setMin(std::int32_t value) {
    Assign(min_, value, "Min");
}
void ProgressBarModel::setMax(std::int32_t value) {
    Assign(max_, value, "Max");
}
void ProgressBarModel::setValue(std::int32_t value) {
    Assign(value_, value, "Value");
}
void ProgressBarModel::setBorderStyle(std::int32_t value) {
    Assign(borderStyle_, value, "BorderStyle");
}
void ProgressBarModel::setAppearance(std::int32_t value) {
    Assign(appearance_, value, "Appearance");
}
void ProgressBarModel::setBackColor(OleColor value) {
    Assign(backColor_, value, "BackColor");
}
void ProgressBarModel::setForeColor(OleColor value) {
    Assign(foreColor_, value, "ForeColor");
}

void ProgressBarModel::setFont(const FontSpec& value) {
    font_ = value;
    FontAssigned();
    Assigned("Font");
}

void ProgressBarModel::setBarColor(OleColor value) {
    Assign(barColor_, value, "BarColor");
}
void ProgressBarModel::setBarForeColor(OleColor value) {
    Assign(barForeColor_, value, "BarForeColor");
}

void ProgressBarModel::setBarPicture(PictureObject value) {
    pictures_[1] = std::move(value);
    PictureAssigned(PictureSlot::Bar);
    Assigned("BarPicture");
    // The host is told of both pictures, so a save writes both.
    MarkChanged("Picture");
}

void ProgressBarModel::setBarPictureMode(std::int32_t value) {
    Assign(barPictureMode_, value, "BarPictureMode");
}
void ProgressBarModel::setBackPictureMode(std::int32_t value) {
    Assign(backPictureMode_, value, "BackPictureMode");
}

void ProgressBarModel::setPicture(PictureObject value) {
    pictures_[0] = std::move(value);
    PictureAssigned(PictureSlot::Back);
    Assigned("Picture");
}

void ProgressBarModel::ModifyBarPicture(double fLuminance, double fSaturation) {
    if (HasPicture(PictureSlot::Bar)) {
        ModifyHolder(PictureSlot::Bar, fLuminance, fSaturation);
    }
}

void ProgressBarModel::ModifyPicture(double fLuminance, double fSaturation) {
    if (HasPicture(PictureSlot::Back)) {
        ModifyHolder(PictureSlot::Back, fLuminance, fSaturation);
    }
}

} // namespace orvane
