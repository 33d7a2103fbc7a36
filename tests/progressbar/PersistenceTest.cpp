#include "BarFixture.h"

#include "progressbar/StoredBars.h"

#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testing;

namespace {

const QStringList kKeyOrder{
    "Picture",    "BackColor",    "ForeColor",  "Appearance",     "BorderStyle",
    "BarColor",   "BarForeColor", "BarPicture", "BarPictureMode", "BackPictureMode",
    "Min",        "Max",          "Value",      "ShowText",       "TextAlignX",
    "TextAlignY", "Text",         "Font",       "Segments",       "XpStyle"};

QImage Square(const QColor& color) {
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(color);
    return picture;
}

void SetEveryProperty(pcProgressBar& bar) {
    bar.setPicture(Square(Qt::yellow));
    bar.setBackColor(0x00102030);
    bar.setForeColor(0x80000012);
    bar.setAppearance(2);
    bar.setBorderStyle(0);
    bar.setBarColor(0x00FF0000);
    bar.setBarForeColor(0x0000FF00);
    bar.setBarPicture(Square(Qt::cyan));
    bar.setBarPictureMode(0);
    bar.setBackPictureMode(2);
    bar.setMin(-7);
    bar.setMax(70000);
    bar.setValue(-2147483647);
    bar.setShowText(true);
    bar.setTextAlignX(2);
    bar.setTextAlignY(0);
    bar.setText(QStringLiteral("a\\b\nc=d:e"));
    QFont font(QStringLiteral("Lucida Console"));
    font.setPointSizeF(11.25);
    font.setWeight(QFont::Bold);
    font.setItalic(true);
    font.setStyleHint(QFont::Monospace);
    bar.setFont(font);
    bar.setSegments(true);
    bar.setXpStyle(true);
}

TEST(Persistence, EveryPropertyRoundTripsThroughTheTextForm) {
    auto source = MakeBar(200, 20);
    SetEveryProperty(*source);
    pcPropertyBag bag;
    source->WriteProperties(bag);
    const std::vector<QString> keys = bag.Keys();
    EXPECT_EQ(QStringList(keys.begin(), keys.end()), kKeyOrder);

    auto loaded = MakeBar(200, 20);
    loaded->ReadProperties(pcPropertyBag::FromText(bag.ToText()));
    EXPECT_EQ(loaded->Picture(), source->Picture());
    EXPECT_EQ(loaded->BackColor(), 0x00102030U);
    EXPECT_EQ(loaded->ForeColor(), 0x80000012U);
    EXPECT_EQ(loaded->Appearance(), 2);
    EXPECT_EQ(loaded->BorderStyle(), 0);
    EXPECT_EQ(loaded->BarColor(), 0x00FF0000U);
    EXPECT_EQ(loaded->BarForeColor(), 0x0000FF00U);
    EXPECT_EQ(loaded->BarPicture(), source->BarPicture());
    EXPECT_EQ(loaded->BarPictureMode(), 0);
    EXPECT_EQ(loaded->BackPictureMode(), 2);
    EXPECT_EQ(loaded->Min(), -7);
    EXPECT_EQ(loaded->Max(), 70000);
    EXPECT_EQ(loaded->Value(), -2147483647);
    EXPECT_TRUE(loaded->ShowText());
    EXPECT_EQ(loaded->TextAlignX(), 2);
    EXPECT_EQ(loaded->TextAlignY(), 0);
    EXPECT_EQ(loaded->Text(), source->Text());
    EXPECT_EQ(loaded->Font().family(), QStringLiteral("Lucida Console"));
    EXPECT_DOUBLE_EQ(loaded->Font().pointSizeF(), 11.25);
    EXPECT_EQ(loaded->Font().weight(), QFont::Bold);
    EXPECT_TRUE(loaded->Font().italic());
    EXPECT_EQ(loaded->Font().styleHint(), QFont::Monospace);
    EXPECT_TRUE(loaded->Segments());
    EXPECT_TRUE(loaded->XpStyle());
    EXPECT_EQ(Composed(*loaded), Composed(*source));
}

TEST(Persistence, MissingKeysYieldTheirDefaultsAndTheFontStays) {
    auto bar = MakeBar(200, 20);
    SetEveryProperty(*bar);
    QFont kept(QStringLiteral("DejaVu Serif"));
    kept.setPixelSize(17);
    bar->setFont(kept);
    int paints = 0;
    QObject::connect(bar.get(), &pcProgressBar::BeforeDraw, [&] { ++paints; });
    bar->ReadProperties(pcPropertyBag());
    // Each key is assigned through its property, and each assignment repaints.
    EXPECT_EQ(paints, 20);
    EXPECT_TRUE(bar->Picture().isNull());
    EXPECT_EQ(bar->BackColor(), 0x8000000FU);
    EXPECT_EQ(bar->ForeColor(), 0x80000008U);
    EXPECT_EQ(bar->Appearance(), 1);
    EXPECT_EQ(bar->BorderStyle(), 1);
    EXPECT_EQ(bar->BarColor(), 0x800000U);
    EXPECT_EQ(bar->BarForeColor(), 0xFFFFFFU);
    EXPECT_TRUE(bar->BarPicture().isNull());
    EXPECT_EQ(bar->BarPictureMode(), 1);
    EXPECT_EQ(bar->BackPictureMode(), 1);
    EXPECT_EQ(bar->Min(), 0);
    EXPECT_EQ(bar->Max(), 100);
    EXPECT_EQ(bar->Value(), 0);
    EXPECT_FALSE(bar->ShowText());
    EXPECT_EQ(bar->TextAlignX(), 1);
    EXPECT_EQ(bar->TextAlignY(), 1);
    EXPECT_TRUE(bar->Text().isEmpty());
    EXPECT_EQ(bar->Font(), kept);
    EXPECT_FALSE(bar->Segments());
    EXPECT_FALSE(bar->XpStyle());

    // Written back, only the font differs from its default.
    pcPropertyBag bag;
    bar->WriteProperties(bag);
    EXPECT_EQ(bag.Keys(), std::vector<QString>{QStringLiteral("Font")});
}

TEST(Persistence, LoadedControlWritesInWindowTextANewOneInBlack) {
    auto loaded = MakeBar(200, 20);
    loaded->setFont(CaptionFont());
    loaded->ReadProperties(pcPropertyBag::FromText("ShowText=Flag:-1\nText=Text:MMMM\n"));
    EXPECT_FALSE(ColumnsOf(Composed(*loaded), kWindowText, QRect(1, 1, 198, 18)).Empty());

    auto placed = MakeBar(200, 20);
    placed->setFont(CaptionFont());
    placed->setText(QStringLiteral("MMMM"));
    placed->setShowText(true);
    EXPECT_TRUE(ColumnsOf(Composed(*placed), kWindowText, QRect(1, 1, 198, 18)).Empty());
    EXPECT_FALSE(ColumnsOf(Composed(*placed), Qt::black, QRect(1, 1, 198, 18)).Empty());
}

TEST(Persistence, UnreadableLinesAndWrongTypesCountAsMissing) {
    const pcPropertyBag bag = pcPropertyBag::FromText(
        "Max=Long:twelve\nValue=Flag:-1\nnothing here\nMin=Long:3\nFont=Font:bad\n");
    EXPECT_EQ(bag.Keys(), (std::vector<QString>{"Value", "Min"}));
    auto bar = MakeBar(100, 10);
    bar->ReadProperties(bag);
    EXPECT_EQ(bar->Max(), 100);
    EXPECT_EQ(bar->Value(), 0);
    EXPECT_EQ(bar->Min(), 3);
}

TEST(StoredBars, TheMainWindowsThreeBars) {
    for (const pcPropertyBag& bag : {pbFileCopySettings(), pbTotalFilesSettings()}) {
        auto bar = MakeBar(300, 20);
        bar->ReadProperties(bag);
        EXPECT_EQ(bar->BarColor(), 0x8000000DU);
        EXPECT_TRUE(bar->ShowText());
        EXPECT_EQ(bar->Font().family(), QStringLiteral("MS Sans Serif"));
        EXPECT_DOUBLE_EQ(bar->Font().pointSizeF(), 8.25);
        EXPECT_EQ(bar->Font().weight(), QFont::Normal);
        EXPECT_EQ(bar->Font().styleHint(), QFont::SansSerif);
        bar->setValue(100);
        EXPECT_EQ(Pixel(*bar, 150, 10), kHighlight);
    }
    auto saveLog = MakeBar(300, 20);
    saveLog->ReadProperties(pbSaveLogSettings());
    EXPECT_EQ(saveLog->BarColor(), 0x800000U);
    EXPECT_FALSE(saveLog->ShowText());
    EXPECT_EQ(saveLog->Font().family(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(saveLog->BackColor(), 0x8000000FU);
    EXPECT_EQ(saveLog->BorderStyle(), 1);
    EXPECT_EQ(saveLog->Appearance(), 1);
    EXPECT_FALSE(saveLog->Segments());
}

} // namespace
