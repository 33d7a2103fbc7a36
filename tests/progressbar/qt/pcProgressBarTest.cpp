// The Qt back end's own part: the caption split over the bar by hand, a dense screen, synchronous
// presentation, the palette and the style; the shared steps are tested in tests/progressbar.
#include "BarFixture.h"

#include "progressbar/qt/SystemColors.h"

#include <QEvent>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>

#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testing;

namespace {

// The caption reads in ForeColor (red) over the empty part and in BarForeColor (green) over
// the bar: the columns each colour may occupy, or none.
TEST(ClassicLook, CaptionReadsInForeColorOverTheEmptyPartAndBarForeColorOverTheBar) {
    const std::pair<int, int> none{-1, -1};
    struct Case {
        bool segments;
        int alignX, value;
        std::pair<int, int> red, green;
    };
    const Case cases[] = {{false, 1, 50, {100, 198}, {1, 99}},
                          {false, 1, 0, {1, 198}, none},
                          {false, 1, 100, none, {1, 198}},
                          {true, 2, 150, {191, 198}, {1, 190}}};
    // Red over the empty part and green over the bar, in a bold font large enough for
    // whole-coverage pixels in its strokes.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(14);
    font.setBold(true);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        auto bar = MakeBar(200, 20);
        bar->setFont(font);
        bar->setForeColor(0x0000FF);
        bar->setBarForeColor(0x00FF00);
        bar->setSegments(c.segments);
        bar->setTextAlignX(c.alignX);
        bar->setText(QStringLiteral("MMMMMMMM"));
        bar->setShowText(true);
        bar->setValue(c.value);
        for (const auto& [color, span] :
             {std::pair{QColor(Qt::red), c.red}, {Qt::green, c.green}}) {
            const auto got = ColumnsOf(Composed(*bar), color, QRect(1, 1, 198, 18));
            EXPECT_TRUE(span == none ? got == none
                                     : got.first >= span.first && got.second <= span.second)
                << got.first << "-" << got.second;
        }
    }
}

// At a device pixel ratio of 2 the rules hold in logical pixels and a line is one device pixel:
// the thin inset border, background up to the bar at logical 1, the bar's edge at 100.
TEST(ClassicLook, DenseScreenKeepsLinesOneDevicePixelWide) {
    auto bar = MakeBar(200, 20);
    if (bar->devicePixelRatioF() != 2.0) {
        GTEST_SKIP() << "run with QT_SCALE_FACTOR=2 (the ProgressBarAtScaleFactorTwo test)";
    }
    bar->setValue(50);
    const QImage image = bar->ComposedImage();
    ASSERT_EQ(image.size(), QSize(400, 40));
    ExpectPixels(image, {{kDark, {{0, 5}, {5, 0}}},
                         {kButton, {{1, 5}, {5, 1}, {398, 5}, {300, 38}, {200, 20}}},
                         {kLight, {{399, 5}, {300, 39}}},
                         {kNavy, {{2, 2}, {199, 37}}}});
    EXPECT_EQ(bar->grab().toImage().convertToFormat(QImage::Format_RGB32), image);
}

struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

// A bar with synchronous presentation (the save panel's), assigned in a loop that never returns
// to the event loop, is on the screen after each assignment that changes its picture, and only
// then: Max 1000 and Value 200 put the bar's edge at 1 + 198 x 0.2 = 40.6, rounded to 41, as
// Value 201 does; Value 500 at 100.
TEST(ControlModel, ASynchronousBarReachesTheScreenAtEachAssignmentThatChangesIt) {
    auto bar = MakeBar(200, 20);
    bar->setMax(1000);
    bar->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(bar.get()));
    bar->setSynchronousPresentation(true);
    PaintCounter counter;
    bar->installEventFilter(&counter);
    for (const auto& [value, edge, paints] :
         {std::tuple{200, 41, 1}, {201, 41, 1}, {500, 100, 2}}) {
        bar->setValue(value);
        EXPECT_EQ(counter.paints, paints) << "after Value " << value;
        const QImage shown = bar->screen()->grabWindow(bar->winId()).toImage();
        ExpectPixels(shown, {{kNavy, {{edge - 1, 10}}}, {kButton, {{edge, 10}}}});
    }
}

// The colours of the stored bars, an RGB value's byte order (red in the low byte), the index
// AND 31 of a brush against the refusal of a text colour conversion, whose text is black.
TEST(OleColor, SystemColoursComeFromThePaletteAndBadValuesAreInvalid) {
    const QPalette palette = DistinctPalette();
    EXPECT_EQ(BrushColor(0x8000000F, palette), kButton);
    EXPECT_EQ(BrushColor(0x00336699, palette), QColor(0x99, 0x66, 0x33));
    EXPECT_EQ(BrushColor(0x80000028, palette), kWindowText);
    EXPECT_EQ(TranslateColor(0x8000001F, palette), kInvalidColor);
    EXPECT_EQ(TranslateColor(0x01000005, palette), kInvalidColor);
    EXPECT_EQ(FromColorRef(kInvalidColor), QColor(Qt::black));
}

// With XpStyle the platform's style draws the trough and the chunks: none of the classic look's
// bar colour or border is left. The program's own bars keep the classic look.
TEST(ThemedLook, TheStyleDrawsTheBarInsteadOfTheClassicLook) {
    const std::unique_ptr<QStyle> style(QStyleFactory::create(QStringLiteral("Fusion")));
    auto bar = MakeBar(200, 20);
    bar->setStyle(style.get());
    bar->setValue(50);
    bar->setXpStyle(true);
    const QImage themed = Composed(*bar);
    for (const QColor& colour : {kNavy, kDark, kLight}) {
        EXPECT_EQ(ColumnsOf(themed, colour, themed.rect()), std::pair(-1, -1))
            << ::testing::PrintToString(colour);
    }
}

} // namespace
