#include "BarFixture.h"

#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testing;

namespace {

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

// Each missing key is assigned its default through its property (a repaint each), and a
// default is what a save leaves out: only the font, which has none, is written back.
TEST(Persistence, MissingKeysYieldTheirDefaultsAndTheFontStays) {
    auto bar = MakeBar(200, 20);
    SetEveryProperty(*bar);
    QFont kept(QStringLiteral("DejaVu Serif"));
    kept.setPixelSize(17);
    bar->setFont(kept);
    int paints = 0;
    QObject::connect(bar.get(), &pcProgressBar::BeforeDraw, [&] { ++paints; });
    bar->ReadProperties(pcPropertyBag());
    EXPECT_EQ(paints, 20);
    EXPECT_EQ(bar->Font(), kept);
    EXPECT_EQ(bar->ForeColor(), 0x80000008U);
    EXPECT_EQ(bar->Max(), 100);
    pcPropertyBag bag;
    bar->WriteProperties(bag);
    EXPECT_EQ(bag.Keys(), std::vector<QString>{QStringLiteral("Font")});
}

// A new instance keeps ForeColor 0: its caption is black (a loaded one's is the window text).
TEST(Persistence, ANewlyPlacedControlWritesInBlack) {
    auto placed = MakeBar(200, 20);
    placed->setFont(CaptionFont());
    placed->setText(QStringLiteral("MMMM"));
    placed->setShowText(true);
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

} // namespace
