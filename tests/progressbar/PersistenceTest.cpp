#include "BarFixture.h"

#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testing;

namespace {

// Reading stored settings assigns every property through its setter (a repaint each): a key
// that is missing, unreadable or of the wrong type yields its default, except the font, which
// has none and stays. A default is what a save leaves out.
TEST(Persistence, MissingUnreadableAndWronglyTypedKeysYieldTheirDefaults) {
    auto bar = MakeBar(200, 20);
    bar->setForeColor(0x80000012);
    bar->setMax(70000);
    bar->setValue(-2147483647);
    bar->setSegments(true);
    bar->setText(QStringLiteral("a\\b\nc=d:e"));
    QFont kept(QStringLiteral("DejaVu Serif"));
    kept.setPixelSize(17);
    bar->setFont(kept);
    int paints = 0;
    QObject::connect(bar.get(), &pcProgressBar::BeforeDraw, [&] { ++paints; });
    const pcPropertyBag stored = pcPropertyBag::FromText(
        "Max=Long:twelve\nValue=Flag:-1\nnothing here\nMin=Long:3\nFont=Font:bad\n");
    EXPECT_EQ(stored.Keys(), (std::vector<QString>{"Value", "Min"}));

    bar->ReadProperties(stored);
    EXPECT_EQ(paints, 20);
    EXPECT_EQ(bar->Font(), kept);
    EXPECT_EQ(bar->ForeColor(), 0x80000008U);
    EXPECT_EQ(std::tuple(bar->Min(), bar->Max(), bar->Value()), std::tuple(3, 100, 0));
    EXPECT_FALSE(bar->Segments());
    EXPECT_EQ(bar->Text(), QString());
    pcPropertyBag saved;
    bar->WriteProperties(saved);
    EXPECT_EQ(saved.Keys(), (std::vector<QString>{"Min", "Font"}));
}

} // namespace
