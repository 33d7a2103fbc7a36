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

TEST(ControlModel, ShownCaptionNeedsShowTextAndAText) {
    auto bar = MakeBar(200, 20);
    ShowCaption(*bar, QStringLiteral("MMMM"));
    const auto shown = [&] { return !ColumnsOf(Composed(*bar), kRed, bar->rect()).Empty(); };
    EXPECT_TRUE(shown());
    bar->setShowText(false);
    EXPECT_FALSE(shown());
    bar->setShowText(true);
    bar->setText(QString());
    EXPECT_FALSE(shown());
}

// Each assignment repaints at once, and so does a paint the platform asks for: each raises
// BeforeDraw with the client rectangle. A bar with synchronous presentation, assigned in a loop
// that never returns to the event loop, is on the screen after each assignment.
TEST(ControlModel, EveryPaintRaisesBeforeDrawAndASynchronousBarReachesTheScreenAtOnce) {
    auto bar = MakeBar(200, 20);
    int raised = 0;
    QObject::connect(bar.get(), &pcProgressBar::BeforeDraw,
                     [&](QPainter* hdc, int left, int top, int width, int height, bool bDoDefault) {
                         ++raised;
                         EXPECT_TRUE(hdc != nullptr && bDoDefault);
                         EXPECT_EQ(QRect(left, top, width, height), QRect(0, 0, 200, 20));
                     });
    bar->setMax(10);
    bar->setValue(10);
    EXPECT_EQ(raised, 2);
    ShowOnScreen(*bar);
    raised = 0;
    PlatformPaint(*bar);
    EXPECT_EQ(raised, 1);
    bar->setSynchronousPresentation(true);
    // Value 2 puts the bar's edge at 1 + 198 x 0.2 = 40.6, rounded to 41; Value 5 at 100.
    for (const auto& [value, edge] : {std::pair{2, 41}, std::pair{5, 100}}) {
        bar->setValue(value);
        ExpectPixels(OnScreen(*bar), {{kNavy, {{edge - 1, 10}}}, {kButton, {{edge, 10}}}});
    }
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

// The colours of the three stored bars, an RGB value's byte order, and the index AND 31 of a
// brush against the refusal of a text colour conversion.
TEST(OleColor, SystemColoursComeFromThePaletteAndBadValuesAreInvalid) {
    const QPalette palette = DistinctPalette();
    EXPECT_EQ(BrushColor(0x8000000F, palette), kButton);
    EXPECT_EQ(BrushColor(0x80000008, palette), kWindowText);
    EXPECT_EQ(BrushColor(0x8000000D, palette), kHighlight);
    EXPECT_EQ(BrushColor(0x00336699, palette), QColor(0x99, 0x66, 0x33));
    EXPECT_EQ(BrushColor(0x80000028, palette), kWindowText);
    EXPECT_EQ(TranslateColor(0x8000001E, palette), ToOleColor(palette.color(QPalette::Window)));
    EXPECT_EQ(TranslateColor(0x8000001F, palette), CLR_INVALID);
    EXPECT_EQ(TranslateColor(0x01000005, palette), CLR_INVALID);
}

TEST(OleColor, UnconvertibleCaptionColourPaintsWithoutFailing) {
    auto bar = MakeBar(200, 20);
    ShowCaption(*bar, QStringLiteral("MMMM"));
    bar->setForeColor(0x80000040);
    EXPECT_FALSE(ColumnsOf(Composed(*bar), QColor(Qt::white), QRect(1, 1, 198, 18)).Empty());
}

// TextAlignX OR 0x20 OR TextAlignY x 4; centre wins over right, vertical centre over bottom.
TEST(TextFormat, AlignmentBits) {
    const int kAlignment = Qt::AlignLeft | Qt::AlignRight | Qt::AlignHCenter | Qt::AlignTop |
                           Qt::AlignBottom | Qt::AlignVCenter;
    EXPECT_EQ(CaptionFlags(1, 1), 0x25U);
    EXPECT_EQ(CaptionFlags(2, 2), 0x2AU);
    EXPECT_EQ(FromDrawTextFlags(0x2A).qtFlags & kAlignment, Qt::AlignRight | Qt::AlignBottom);
    EXPECT_EQ(FromDrawTextFlags(0x2F).qtFlags & kAlignment, Qt::AlignHCenter | Qt::AlignVCenter);
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
