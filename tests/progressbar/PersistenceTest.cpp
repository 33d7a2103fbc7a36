#include "BarFixture.h"

#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testing;

namespace {

// Reading stored settings gives every key the bag leaves out, or holds with the wrong type,
// its default; the font has none and stays. The program's own bags set only a few keys.
TEST(Persistence, KeysLeftOutOrWronglyTypedYieldTheirDefaults) {
    auto bar = MakeBar(200, 20);
    bar->setForeColor(0x80000012);
    bar->setMax(70000);
    bar->setValue(-2147483647);
    bar->setSegments(true);
    bar->setText(QStringLiteral("text"));
    QFont kept(QStringLiteral("DejaVu Serif"));
    kept.setPixelSize(17);
    bar->setFont(kept);
    bar->ReadProperties(pcPropertyBag::FromText("Value=Flag:-1\nMin=Long:3\n"));
    EXPECT_EQ(bar->Font(), kept);
    EXPECT_EQ(bar->ForeColor(), 0x80000008U);
    EXPECT_EQ(std::tuple(bar->Min(), bar->Max(), bar->Value()), std::tuple(3, 100, 0));
    EXPECT_FALSE(bar->Segments());
    EXPECT_EQ(bar->Text(), QString());
}

} // namespace
