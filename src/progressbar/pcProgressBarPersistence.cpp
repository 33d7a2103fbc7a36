#include "progressbar/pcProgressBar.h"

#include "progressbar/pcDibSection.h"

#include <QHash>

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

void ModifyHolder(pcPictureHolder& holder, double fLuminance, double fSaturation) {
    if (!holder.HasPicture()) {
        return;
    }
    pcDibSection dib;
    dib.CreateFromPicture(holder.Picture());
    dib.ModifyHLS(1.0, fLuminance, fSaturation);
    QPainter painter(&holder.Surface());
    dib.PaintPicture(painter, 0, 0, -1, -1, 0, 0, kSrcCopy);
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

void pcProgressBar::ModifyBarPicture(double fLuminance, double fSaturation) {
    ModifyHolder(picBar_, fLuminance, fSaturation);
}

void pcProgressBar::ModifyPicture(double fLuminance, double fSaturation) {
    ModifyHolder(picBack_, fLuminance, fSaturation);
}

QString pcProgressBar::Description(const QString& member) {
    static const QHash<QString, QString> descriptions{
        {"Segments", "Gets/sets whether the bar is split into segments.  Not applicable when "
                     "XPStyle is set."},
        {"XpStyle", "Gets/sets whether the bar is displayed using XP Visual Styles.  Only valid "
                    "on XP systems or above."},
        {"Text", "Gets/sets the text to display when ShowText is set."},
        {"TextAlignX", "Gets/sets the horizontal alignment of the text."},
        {"TextAlignY", "Gets/sets the vertical alignment of the text."},
        {"ShowText", "Gets/sets whether text is shown over the bar."},
        {"Percent", "Gets the current progress bar percentage complete."},
        {"Min", "Gets/sets the minimum value of the bar."},
        {"Max", "Gets/sets the maximum value of the bar."},
        {"Value", "Gets/sets the value of the bar."},
        {"BorderStyle",
         "Gets/sets the border style of the control. Not applicable when using XPStyle."},
        {"Appearance", "Gets/sets the border appearance of the control.  Not applicable when "
                       "using XPStyle."},
        {"BackColor",
         "Gets/sets the back colour of the control. Not applicable when using XPStyle."},
        {"ForeColor",
         "Gets/sets the colour of text which is drawn over the background of the bar."},
        {"Font", "Gets/sets the font used to draw text on the progress bar."},
        {"BarColor",
         "Gets/sets the colour of the progress bar.  Not applicable when using XPStyle."},
        {"BarForeColor", "Gets/sets the colour of text which is drawn over the bar."},
        {"ModifyBarPicture", "Applies image processing to the bar picture, allowing you to adjust "
                             "the luminance or saturation of the image."},
        {"ModifyPicture", "Applies image processing to the background picture, allowing you to "
                          "adjust the luminance or saturation of the image."},
        {"BarPicture", "Gets/sets a picture to use as the bar in the progress bar."},
        {"BarPictureMode", "Gets/sets the drawing mode (stretch or tile) applied when drawing "
                           "the bar picture."},
        {"BackPictureMode", "Gets/sets the drawing mode (stretch or tile) applied when drawing "
                            "the background picture."},
        {"Picture", "Gets/sets the picture shown in the background of the progress bar control."},
    };
    return descriptions.value(member);
}

} // namespace orvane
