#include "BarFixture.h"

#include "progressbar/qt/SystemColors.h"
#include "progressbar/qt/TextFormat.h"

#include <QEvent>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>

#include <gtest/gtest.h>

#include <memory>

using namespace orvane;
using namespace orvane::testing;

namespace {

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

// Centre wins over right, vertical centre over bottom.
TEST(TextFormat, AlignmentBits) {
    const int kAlignment = Qt::AlignLeft | Qt::AlignRight | Qt::AlignHCenter | Qt::AlignTop |
                           Qt::AlignBottom | Qt::AlignVCenter;
    EXPECT_EQ(FromDrawTextFlags(0x2A).qtFlags & kAlignment, Qt::AlignRight | Qt::AlignBottom);
    EXPECT_EQ(FromDrawTextFlags(0x2F).qtFlags & kAlignment, Qt::AlignHCenter | Qt::AlignVCenter);
}

// With XpStyle the platform's style draws the trough and the chunks: none of the classic look's
// bar colour or border is left. The program's own bars keep the classic look.
TEST(ThemedLook, TheStyleDrawsTheBarInsteadOfTheClassicLook) {
    const std::unique_ptr<QStyle> style(QStyleFactory::create(QStringLiteral("Fusion")));
    auto bar = MakeBar(200, 20);
    bar->setStyle(style.get());
    bar->setValue(50);
    const QImage classic = Composed(*bar);
    bar->setXpStyle(true);
    const QImage themed = Composed(*bar);
    EXPECT_NE(themed, classic);
    for (const QColor& colour : {kNavy, kDark, kLight}) {
        EXPECT_EQ(ColumnsOf(themed, colour, themed.rect()), std::pair(-1, -1))
            << ::testing::PrintToString(colour);
    }
}

} // namespace
