#include "BarFixture.h"

#include "progressbar/OleColor.h"
#include "progressbar/ProgressGeometry.h"
#include "progressbar/TextFormat.h"

#include <gtest/gtest.h>

#include <limits>

using namespace orvane;
using namespace orvane::testing;

namespace {

constexpr std::int32_t kLongMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kLongMax = std::numeric_limits<std::int32_t>::max();

TEST(ControlModel, PercentIsTheClampedShareOfTheRange) {
    struct Case {
        std::int32_t min, max, value;
        double percent;
    };
    const Case cases[] = {
        {0, 100, 0, 0},
        {0, 100, 150, 100},
        {0, 100, -5, 0},
        {0, 100, 37, 37},
        {10, 20, 15, 50},
        {100, 0, 25, 75},
        {0, 0, 0, 100},
        {0, 0, -1, 0},
        {5, 5, 9, 100},
        {kLongMin, kLongMax, kLongMax, 100},
        {kLongMin, kLongMax, kLongMin, 0},
    };
    for (const Case& c : cases) {
        auto bar = MakeBar(100, 10);
        bar->setMin(c.min);
        bar->setMax(c.max);
        bar->setValue(c.value);
        EXPECT_DOUBLE_EQ(bar->Percent(), c.percent) << c.min << " " << c.max << " " << c.value;
    }
    EXPECT_NEAR(FilledFraction(kLongMin, kLongMax, 0), 0.5, 1e-9);
}

TEST(ControlModel, EmptyRangePaintsAsAStepWithoutFailing) {
    auto bar = MakeBar(200, 20);
    bar->setMax(0);
    EXPECT_EQ(Pixel(*bar, 198, 10), kNavy);
    bar->setValue(-1);
    EXPECT_EQ(Pixel(*bar, 1, 10), kButton);
}

TEST(ControlModel, BarEdgesRoundHalvesToEven) {
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    // 1 + 5 x 0.5 = 3.5 gives 4, 1 + 3 x 0.5 = 2.5 gives 2.
    EXPECT_EQ(BarRect({1, 1, 6, 9}, 0.5, true, 0).right, 4);
    EXPECT_EQ(BarRect({1, 1, 4, 9}, 0.5, true, 0).right, 2);
    EXPECT_EQ(BarRect({1, 1, 199, 19}, 0.5, true, 0), (Rect{1, 1, 100, 19}));
    EXPECT_EQ(BarRect({1, 1, 199, 19}, 0.5, true, 10), (Rect{1, 1, 91, 19}));
    EXPECT_EQ(BarRect({1, 1, 199, 19}, 1.0, true, 10).right, 191);
    EXPECT_EQ(BarRect({1, 1, 199, 19}, 0.0, true, 10).right, 1);
    EXPECT_EQ(BarRect({1, 1, 39, 39}, 0.5, false, 0).top, 20);
    EXPECT_EQ(BarRect({1, 1, 39, 39}, 0.5, false, 10).top, 29);
    EXPECT_EQ(BarRect({1, 1, 39, 39}, 0.0, false, 10).top, 39);
}

TEST(ControlModel, ShownCaptionNeedsShowTextAndAText) {
    auto bar = MakeBar(200, 20);
    bar->setFont(CaptionFont());
    bar->setForeColor(0x0000FF);
    bar->setText(QStringLiteral("MMMM"));
    EXPECT_TRUE(ColumnsOf(Composed(*bar), kRed, QRect(0, 0, 200, 20)).Empty());
    bar->setShowText(true);
    EXPECT_FALSE(ColumnsOf(Composed(*bar), kRed, QRect(0, 0, 200, 20)).Empty());
    bar->setText(QString());
    EXPECT_TRUE(ColumnsOf(Composed(*bar), kRed, QRect(0, 0, 200, 20)).Empty());
}

TEST(ControlModel, EveryAssignmentRepaintsAtOnceAndRaisesBeforeDraw) {
    auto bar = MakeBar(200, 20);
    int raised = 0;
    QObject::connect(bar.get(), &pcProgressBar::BeforeDraw,
                     [&](QPainter* hdc, std::int32_t left, std::int32_t top, std::int32_t width,
                         std::int32_t height, bool bDoDefault) {
                         ++raised;
                         EXPECT_NE(hdc, nullptr);
                         EXPECT_EQ(left, 0);
                         EXPECT_EQ(top, 0);
                         EXPECT_EQ(width, 200);
                         EXPECT_EQ(height, 20);
                         EXPECT_TRUE(bDoDefault);
                         // The flag is a copy: the paint goes on whatever the handler does.
                         bDoDefault = false;
                     });
    bar->setMax(10);
    bar->setValue(10);
    bar->setText(QStringLiteral("x"));
    EXPECT_EQ(raised, 3);
    EXPECT_EQ(Pixel(*bar, 198, 10), kNavy);
}

TEST(ControlModel, PaintEventShowsTheComposedImageAndRecomposesAfterAPaletteChange) {
    auto bar = MakeBar(200, 20);
    ShowCaption(*bar, QStringLiteral("MMMM"));
    bar->setValue(40);
    EXPECT_EQ(bar->grab().toImage().convertToFormat(QImage::Format_RGB32), Composed(*bar));

    QPalette palette = DistinctPalette();
    palette.setColor(QPalette::Button, Qt::yellow);
    bar->setPalette(palette);
    const QImage shown = bar->grab().toImage();
    EXPECT_EQ(shown.pixelColor(150, 3), QColor(Qt::yellow));
    EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32), Composed(*bar));
}

TEST(ControlModel, BarPictureMarksBothPicturesChanged) {
    auto bar = MakeBar(20, 10);
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(Qt::red);
    bar->setValue(3);
    bar->setBarPicture(picture);
    EXPECT_EQ(bar->ChangedProperties(),
              (QStringList{QStringLiteral("Value"), QStringLiteral("BarPicture"),
                           QStringLiteral("Picture")}));
}

TEST(ControlModel, DescriptionsForThePropertyBrowser) {
    EXPECT_EQ(pcProgressBar::Description(QStringLiteral("Segments")),
              QStringLiteral("Gets/sets whether the bar is split into segments.  Not applicable "
                             "when XPStyle is set."));
    EXPECT_EQ(pcProgressBar::Description(QStringLiteral("Picture")),
              QStringLiteral(
                  "Gets/sets the picture shown in the background of the progress bar control."));
    EXPECT_EQ(pcProgressBar::Description(QStringLiteral("Percent")),
              QStringLiteral("Gets the current progress bar percentage complete."));
    EXPECT_TRUE(pcProgressBar::Description(QStringLiteral("Nothing")).isEmpty());
}

TEST(OleColor, SystemIndicesMapToPaletteRolesAndBadValuesAreInvalid) {
    const QPalette palette = DistinctPalette();
    EXPECT_EQ(BrushColor(0x8000000F, palette), kButton);
    EXPECT_EQ(BrushColor(0x80000008, palette), kWindowText);
    EXPECT_EQ(BrushColor(0x8000000D, palette), kHighlight);
    EXPECT_EQ(BrushColor(0x80000010, palette), kDark);
    EXPECT_EQ(BrushColor(0x80000014, palette), kLight);
    EXPECT_EQ(BrushColor(0x00336699, palette), QColor(0x99, 0x66, 0x33));
    EXPECT_EQ(TranslateColor(0x00336699, palette), 0x00336699U);
    EXPECT_EQ(TranslateColor(0x80000008, palette), ToOleColor(kWindowText));
    EXPECT_EQ(TranslateColor(0x8000001F, palette), CLR_INVALID);
    EXPECT_EQ(TranslateColor(0x80000028, palette), CLR_INVALID);
    EXPECT_EQ(TranslateColor(0x01000005, palette), CLR_INVALID);
    for (int index = 0; index <= 30; ++index) {
        EXPECT_NE(TranslateColor(kSystemColorBit | static_cast<OleColor>(index), palette),
                  CLR_INVALID)
            << index;
    }
    EXPECT_EQ(FromColorRef(CLR_INVALID), QColor(Qt::white));
}

TEST(OleColor, UnconvertibleCaptionColourPaintsWithoutFailing) {
    auto bar = MakeBar(200, 20);
    ShowCaption(*bar, QStringLiteral("MMMM"));
    bar->setForeColor(0x80000040);
    EXPECT_FALSE(ColumnsOf(Composed(*bar), QColor(Qt::white), QRect(1, 1, 198, 18)).Empty());
}

TEST(TextFormat, AlignmentBitsAndWhatOtherBitsMean) {
    EXPECT_EQ(CaptionFlags(1, 1), 0x25U);
    EXPECT_EQ(CaptionFlags(0, 0), 0x20U);
    EXPECT_EQ(CaptionFlags(2, 2), 0x2AU);
    EXPECT_EQ(CaptionFlags(0, kLongMax), 0xFFFFFFFCU);
    const int mnemonic = Qt::TextShowMnemonic | Qt::TextSingleLine;
    EXPECT_EQ(FromDrawTextFlags(0x25).qtFlags, Qt::AlignHCenter | Qt::AlignVCenter | mnemonic);
    EXPECT_EQ(FromDrawTextFlags(0x20).qtFlags, Qt::AlignLeft | Qt::AlignTop | mnemonic);
    EXPECT_EQ(FromDrawTextFlags(0x2A).qtFlags, Qt::AlignRight | Qt::AlignBottom | mnemonic);
    // Centre wins over right, and vertical centre over bottom.
    EXPECT_EQ(FromDrawTextFlags(0x2F).qtFlags, Qt::AlignHCenter | Qt::AlignVCenter | mnemonic);
    EXPECT_EQ(FromDrawTextFlags(0x820).qtFlags, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine);
    EXPECT_NE(FromDrawTextFlags(0x120).qtFlags & Qt::TextDontClip, 0);
    EXPECT_FALSE(FromDrawTextFlags(0x420).draw);
    EXPECT_TRUE(FromDrawTextFlags(0x20).draw);
    EXPECT_EQ(FromDrawTextFlags(0x8020).elide, Qt::ElideRight);
}

TEST(TextFormat, MeasuringAlignmentDrawsNoCaption) {
    auto bar = MakeBar(200, 20);
    ShowCaption(*bar, QStringLiteral("MMMM"));
    bar->setTextAlignX(0x400);
    EXPECT_TRUE(ColumnsOf(Composed(*bar), kRed, QRect(1, 1, 198, 18)).Empty());
    // 0x40000001 x 4 leaves the 32 bits as 4, a centred line.
    bar->setTextAlignY(0x40000001);
    bar->setTextAlignX(1);
    EXPECT_FALSE(ColumnsOf(Composed(*bar), kRed, QRect(1, 1, 198, 18)).Empty());
}

} // namespace
