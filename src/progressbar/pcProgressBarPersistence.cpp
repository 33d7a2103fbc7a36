#include "progressbar/pcProgressBar.h"

namespace orvane {
namespace {

std::int32_t AsLong(OleColor color) {
    return static_cast<std::int32_t>(color);
}

constexpr OleColor kButtonFace = 0x8000000FU;
constexpr OleColor kWindowText = 0x80000008U;

std::int32_t ReadLong(const pcPropertyBag& bag, const char* key, std::int32_t defaultValue) {
    return std::get<std::int32_t>(bag.ReadProperty(QString::fromLatin1(key), defaultValue));
}

bool ReadFlag(const pcPropertyBag& bag, const char* key) {
    return std::get<bool>(bag.ReadProperty(QString::fromLatin1(key), false));
}

QImage ReadPicture(const pcPropertyBag& bag, const char* key) {
    return std::get<QImage>(bag.ReadProperty(QString::fromLatin1(key), QImage()));
}

} // namespace

void pcProgressBar::InitProperties() {
    // A new instance keeps black text and the surface's own background and font.
}

void pcProgressBar::ReadProperties(const pcPropertyBag& bag) {
    setPicture(ReadPicture(bag, "Picture"));
    setBackColor(static_cast<OleColor>(ReadLong(bag, "BackColor", AsLong(kButtonFace))));
    setForeColor(static_cast<OleColor>(ReadLong(bag, "ForeColor", AsLong(kWindowText))));
    setAppearance(ReadLong(bag, "Appearance", 1));
    setBorderStyle(ReadLong(bag, "BorderStyle", 1));
    setBarColor(static_cast<OleColor>(ReadLong(bag, "BarColor", 0x800000)));
    setBarForeColor(static_cast<OleColor>(ReadLong(bag, "BarForeColor", 0xFFFFFF)));
    setBarPicture(ReadPicture(bag, "BarPicture"));
    setBarPictureMode(ReadLong(bag, "BarPictureMode", 1));
    setBackPictureMode(ReadLong(bag, "BackPictureMode", 1));
    setMin(ReadLong(bag, "Min", 0));
    setMax(ReadLong(bag, "Max", 100));
    setValue(ReadLong(bag, "Value", 0));
    setShowText(ReadFlag(bag, "ShowText"));
    setTextAlignX(ReadLong(bag, "TextAlignX", 1));
    setTextAlignY(ReadLong(bag, "TextAlignY", 1));
    setText(std::get<QString>(bag.ReadProperty(QStringLiteral("Text"), QString())));
    setFont(std::get<QFont>(bag.ReadProperty(QStringLiteral("Font"), font())));
    setSegments(ReadFlag(bag, "Segments"));
    setXpStyle(ReadFlag(bag, "XpStyle"));
}

void pcProgressBar::WriteProperties(pcPropertyBag& bag) const {
    bag.WriteProperty(QStringLiteral("Picture"), Picture(), QImage());
    bag.WriteProperty(QStringLiteral("BackColor"), AsLong(backColor_), AsLong(kButtonFace));
    bag.WriteProperty(QStringLiteral("ForeColor"), AsLong(foreColor_), AsLong(kWindowText));
    bag.WriteProperty(QStringLiteral("Appearance"), appearance_, 1);
    bag.WriteProperty(QStringLiteral("BorderStyle"), borderStyle_, 1);
    bag.WriteProperty(QStringLiteral("BarColor"), AsLong(barColor_), 0x800000);
    bag.WriteProperty(QStringLiteral("BarForeColor"), AsLong(barForeColor_), 0xFFFFFF);
    bag.WriteProperty(QStringLiteral("BarPicture"), BarPicture(), QImage());
    bag.WriteProperty(QStringLiteral("BarPictureMode"), barPictureMode_, 1);
    bag.WriteProperty(QStringLiteral("BackPictureMode"), backPictureMode_, 1);
    bag.WriteProperty(QStringLiteral("Min"), min_, 0);
    bag.WriteProperty(QStringLiteral("Max"), max_, 100);
    bag.WriteProperty(QStringLiteral("Value"), value_, 0);
    bag.WriteProperty(QStringLiteral("ShowText"), showText_, false);
    bag.WriteProperty(QStringLiteral("TextAlignX"), textAlignX_, 1);
    bag.WriteProperty(QStringLiteral("TextAlignY"), textAlignY_, 1);
    bag.WriteProperty(QStringLiteral("Text"), text_, QString());
    bag.WriteProperty(QStringLiteral("Font"), font());
    bag.WriteProperty(QStringLiteral("Segments"), segments_, false);
    bag.WriteProperty(QStringLiteral("XpStyle"), xpStyle_, false);
}

} // namespace orvane
