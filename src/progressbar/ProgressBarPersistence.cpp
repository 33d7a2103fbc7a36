#include "progressbar/ProgressBarModel.h"

namespace orvane {
namespace {

std::int32_t AsLong(OleColor color) {
    return static_cast<std::int32_t>(color);
}

constexpr OleColor kButtonFace = 0x8000000FU;
constexpr OleColor kWindowText = 0x80000008U;

OleColor ReadColor(const pcPropertyBag& bag, std::string_view key, OleColor defaultValue) {
    return static_cast<OleColor>(bag.Read(key, AsLong(defaultValue)));
}

} // namespace

void ProgressBarModel::InitProperties() {
    // A new instance keeps black text and the surface's own background and font.
}

void ProgressBarModel::ReadProperties(const pcPropertyBag& bag) {
    setPicture(bag.Read("Picture", PictureObject()));
    setBackColor(ReadColor(bag, "BackColor", kButtonFace));
    setForeColor(ReadColor(bag, "ForeColor", kWindowText));
    setAppearance(bag.Read<std::int32_t>("Appearance", 1));
    setBorderStyle(bag.Read<std::int32_t>("BorderStyle", 1));
    setBarColor(ReadColor(bag, "BarColor", 0x800000));
    setBarForeColor(ReadColor(bag, "BarForeColor", 0xFFFFFF));
    setBarPicture(bag.Read("BarPicture", PictureObject()));
    setBarPictureMode(bag.Read<std::int32_t>("BarPictureMode", 1));
    setBackPictureMode(bag.Read<std::int32_t>("BackPictureMode", 1));
    setMin(bag.Read<std::int32_t>("Min", 0));
    setMax(bag.Read<std::int32_t>("Max", 100));
    setValue(bag.Read<std::int32_t>("Value", 0));
    setShowText(bag.Read("ShowText", false));
    setTextAlignX(bag.Read<std::int32_t>("TextAlignX", 1));
    setTextAlignY(bag.Read<std::int32_t>("TextAlignY", 1));
    setText(bag.Read("Text", std::u16string()));
    setFont(bag.Read("Font", font_));
    setSegments(bag.Read("Segments", false));
    setXpStyle(bag.Read("XpStyle", false));
}

void ProgressBarModel::WriteProperties(pcPropertyBag& bag) const {
    bag.WriteProperty("Picture", Picture(), PictureObject());
    bag.WriteProperty("BackColor", AsLong(backColor_), AsLong(kButtonFace));
    bag.WriteProperty("ForeColor", AsLong(foreColor_), AsLong(kWindowText));
    bag.WriteProperty("Appearance", appearance_, 1);
    bag.WriteProperty("BorderStyle", borderStyle_, 1);
    bag.WriteProperty("BarColor", AsLong(barColor_), 0x800000);
    bag.WriteProperty("BarForeColor", AsLong(barForeColor_), 0xFFFFFF);
    bag.WriteProperty("BarPicture", BarPicture(), PictureObject());
    bag.WriteProperty("BarPictureMode", barPictureMode_, 1);
    bag.WriteProperty("BackPictureMode", backPictureMode_, 1);
    bag.WriteProperty("Min", min_, 0);
    bag.WriteProperty("Max", max_, 100);
    bag.WriteProperty("Value", value_, 0);
    bag.WriteProperty("ShowText", showText_, false);
    bag.WriteProperty("TextAlignX", textAlignX_, 1);
    bag.WriteProperty("TextAlignY", textAlignY_, 1);
    bag.WriteProperty("Text", text_, std::u16string());
    bag.WriteProperty("Font", font_);
    bag.WriteProperty("Segments", segments_, false);
    bag.WriteProperty("XpStyle", xpStyle_, false);
}

} // namespace orvane
