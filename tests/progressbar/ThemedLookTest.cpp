#include "BarFixture.h"

#include "progressbar/ProgressTheme.h"

#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testing;

namespace {

const QColor kTrough(0x20, 0x80, 0x40);
const QColor kChunk(0xA0, 0x30, 0x70);

// A style standing for the progress theme with sizes of our choosing: it paints the trough
// and the chunks in one colour each, and gives a content rectangle 7 and 3 pixels in from its
// bounds.
class ThemeStyle : public QProxyStyle {
public:
    ThemeStyle(int chunk, int space)
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))), chunk_(chunk),
          space_(space) {}
    int pixelMetric(PixelMetric metric, const QStyleOption* o, const QWidget* w) const override {
        return metric == PM_ProgressBarChunkWidth  ? chunk_
               : metric == PM_ProgressBarSpaceSize ? space_
                                                   : QProxyStyle::pixelMetric(metric, o, w);
    }
    QRect subElementRect(SubElement element, const QStyleOption* o,
                         const QWidget* w) const override {
        return element == SE_ProgressBarGroove     ? o->rect
               : element == SE_ProgressBarContents ? o->rect.adjusted(7, 3, -7, -3)
                                                   : QProxyStyle::subElementRect(element, o, w);
    }
    void drawControl(ControlElement element, const QStyleOption* o, QPainter* p,
                     const QWidget* w) const override {
        if (element == CE_ProgressBarGroove || element == CE_ProgressBarContents) {
            p->fillRect(o->rect, element == CE_ProgressBarGroove ? kTrough : kChunk);
        } else {
            QProxyStyle::drawControl(element, o, p, w);
        }
    }

private:
    int chunk_, space_;
};

// Chunk 6 and space 2 cut the 200 x 20 bar at Value 50 back by whole steps of 6 + 2 x 2:
// client (1, 1, 199, 19) with an inset of 1 whatever the Appearance, bar right 100 - 99 mod 10
// = 91, chunks on (3, 3, 90, 18), also with the Appearance 2 that insets the classic look by 2.
// The caption is in the style's colour, inside the content rectangle of the client (columns 8
// to 191); no classic colour or border is used.
TEST(ThemedLook, StyleSizesPlaceTheChunksAndTheCaption) {
    ThemeStyle style(6, 2);
    auto bar = MakeBar(200, 20);
    bar->setStyle(&style);
    bar->setTextAlignX(0);
    ShowCaption(*bar, QStringLiteral("MMMMMMMM"));
    bar->setSegments(true);
    bar->setAppearance(2);
    bar->setValue(50);
    bar->setXpStyle(true);
    const QImage image = Composed(*bar);
    ExpectPixels(image, {{kTrough, {{0, 0}, {2, 3}, {3, 2}, {90, 17}, {89, 18}, {150, 18}}},
                         {kChunk, {{3, 3}, {89, 17}}}});
    const Columns caption = ColumnsOf(image, kText, image.rect());
    EXPECT_FALSE(caption.Empty());
    EXPECT_GE(caption.first, 8);
    EXPECT_LT(caption.last, 192);
    for (const QColor& classic : {kRed, kGreen, kNavy, kDark, kButton}) {
        EXPECT_TRUE(ColumnsOf(image, classic, image.rect()).Empty())
            << classic.name().toStdString();
    }
}

} // namespace
