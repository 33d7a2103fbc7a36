#include "FakeSurface.h"

#include "progressbar/StoredBars.h"

#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testing;

namespace {

// 100 x the bar's share of the range (whose edges PaintSteps tests): 10, 20 and 15 give 50.
TEST(ControlModel, PercentIsAHundredTimesTheShareOfTheRange) {
    ModelOnly bar;
    bar.setMin(10);
    bar.setMax(20);
    bar.setValue(15);
    EXPECT_DOUBLE_EQ(bar.Percent(), 50);
}

// Each assignment repaints once and marks its property; BarPicture marks both pictures. The
// picture methods touch only a holder that holds a picture, and do not repaint.
TEST(ControlModel, AnAssignmentRepaintsOnceAndMarksItsProperty) {
    ModelOnly bar;
    bar.setValue(3);
    bar.ModifyBarPicture(2, 0.5);
    EXPECT_EQ(bar.paints, 1);
    EXPECT_TRUE(bar.modified.empty());
    bar.setBarPicture({1, 1, {0}});
    bar.ModifyBarPicture(2, 0.5);
    bar.ModifyPicture();
    EXPECT_EQ(bar.paints, 2);
    EXPECT_EQ(bar.ChangedProperties(),
              (std::vector<std::string>{"Value", "BarPicture", "Picture"}));
    EXPECT_EQ(bar.modified, (std::vector<std::pair<PictureSlot, double>>{{PictureSlot::Bar, 2}}));
}

// Reading stored settings gives every key the bag leaves out, or holds with the wrong type,
// its default; the font has none and stays. The program's own bags set only a few keys.
TEST(Persistence, KeysLeftOutOrWronglyTypedYieldTheirDefaults) {
    ModelOnly bar;
    bar.setForeColor(0x80000012);
    bar.setMax(70000);
    bar.setValue(-2147483647);
    bar.setSegments(true);
    bar.setText(u"text");
    const FontSpec kept{"DejaVu Serif", 13, 700};
    bar.setFont(kept);
    bar.ReadProperties(pcPropertyBag::FromText("Value=Flag:-1\nMin=Long:3\nbroken line\n"));
    EXPECT_EQ(bar.Font(), kept);
    EXPECT_EQ(bar.ForeColor(), 0x80000008U);
    EXPECT_EQ(std::tuple(bar.Min(), bar.Max(), bar.Value(), bar.Segments(), bar.Text()),
              std::tuple(3, 100, 0, false, u""));

    ModelOnly stored;
    stored.ReadProperties(pbFileCopySettings());
    EXPECT_EQ(std::pair(stored.BarColor(), stored.ShowText()), std::pair(0x8000000DU, true));
    EXPECT_EQ(stored.Font(), (FontSpec{"MS Sans Serif", 8.25, 400}));
    EXPECT_EQ(stored.paints, 20);
}

// Through the bag's text form every property keeps its value (escapes, text beyond ASCII, the
// font, pictures); a new instance writes its black text and the font, which has no default.
TEST(Persistence, EveryPropertySurvivesTheTextForm) {
    ModelOnly fresh;
    pcPropertyBag defaults;
    fresh.WriteProperties(defaults);
    EXPECT_EQ(defaults.Keys(), (std::vector<std::string>{"ForeColor", "Font"}));

    ModelOnly bar;
    bar.setPicture({2, 1, {0x102030, 0xFFFFFF}});
    bar.setBackColor(0x80000005);
    bar.setBarColor(0x123456);
    bar.setBarPicture({1, 3, {1, 2, 0xABCDEF}});
    bar.setBackPictureMode(7);
    bar.setMin(-5);
    bar.setMax(2000000000);
    bar.setValue(-2147483647 - 1);
    bar.setShowText(true);
    bar.setTextAlignY(2);
    bar.setText(u"a\\b\nc\r \u00e9 \u05e9 \U0001F600 =:;");
    bar.setFont({"Lucida; Console", 10.5, 700, true, false, true, 177});
    bar.setSegments(true);
    pcPropertyBag bag;
    bar.WriteProperties(bag);
    ModelOnly read;
    read.ReadProperties(pcPropertyBag::FromText(bag.ToText()));
    pcPropertyBag again;
    read.WriteProperties(again);
    EXPECT_EQ(again.ToText(), bag.ToText());
    EXPECT_EQ(std::tuple(read.Text(), read.Font(), read.BarPicture(), read.Picture(), read.Value()),
              std::tuple(bar.Text(), bar.Font(), bar.BarPicture(), bar.Picture(), bar.Value()));
}

} // namespace
