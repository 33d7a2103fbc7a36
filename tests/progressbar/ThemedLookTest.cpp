#include "BarFixture.h"

#include "progressbar/ProgressTheme.h"

#include <QProxyStyle>
#include <QStyleFactory>

#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testing;

namespace {

enum class Refusal { ChunkWidth, Space, Groove };

// A style that cannot stand for the progress theme, in one of the ways a style refuses.
class RefusingStyle : public QProxyStyle {
public:
    explicit RefusingStyle(Refusal refusal)
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))), refusal_(refusal) {}
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_ProgressBarChunkWidth && refusal_ == Refusal::ChunkWidth) {
            return 0;
        }
        if (metric == PM_ProgressBarSpaceSize && refusal_ == Refusal::Space) {
            return -1;
        }
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
    QRect subElementRect(SubElement element, const QStyleOption* option,
                         const QWidget* widget) const override {
        if (element == SE_ProgressBarGroove && refusal_ == Refusal::Groove) {
            return {};
        }
        return QProxyStyle::subElementRect(element, option, widget);
    }

private:
    Refusal refusal_;
};

std::unique_ptr<pcProgressBar> CaptionedBar(bool xpStyle) {
    auto bar = MakeBar(200, 20);
    ShowCaption(*bar, QStringLiteral("MMMMMMMM"));
    bar->setSegments(true);
    bar->setValue(50);
    bar->setXpStyle(xpStyle);
    return bar;
}

TEST(ThemedLook, StyleDrawsTroughChunksAndOneCaptionInItsOwnColour) {
    auto themed = CaptionedBar(true);
    auto classic = CaptionedBar(false);
    const QImage image = Composed(*themed);
    EXPECT_NE(image, Composed(*classic));
    // The caption is drawn once, in the style's text colour, over the whole control.
    EXPECT_FALSE(ColumnsOf(image, kText, image.rect()).Empty());
    EXPECT_TRUE(ColumnsOf(image, kRed, image.rect()).Empty());
    EXPECT_TRUE(ColumnsOf(image, kGreen, image.rect()).Empty());
    // Neither the classic background, the bar colour nor the border lines are used.
    EXPECT_TRUE(ColumnsOf(image, kNavy, image.rect()).Empty());
    EXPECT_NE(QColor(image.pixel(0, 0)), kDark);
    // An empty bar has no chunk to draw, a full one fills the trough.
    themed->setValue(0);
    const QImage empty = Composed(*themed);
    themed->setValue(100);
    EXPECT_NE(Composed(*themed), empty);
}

TEST(ThemedLook, StyleThatRefusesGivesExactlyTheClassicLook) {
    const QImage classic = Composed(*CaptionedBar(false));
    for (const Refusal refusal : {Refusal::ChunkWidth, Refusal::Space, Refusal::Groove}) {
        RefusingStyle style(refusal);
        auto bar = CaptionedBar(false);
        bar->setStyle(&style);
        bar->setXpStyle(true);
        EXPECT_EQ(Composed(*bar), classic) << static_cast<int>(refusal);
    }
}

TEST(ThemedLook, BackPictureKeepsTheThemeOff) {
    QImage picture(3, 3, QImage::Format_RGB32);
    picture.fill(QColor(10, 200, 30));
    auto classic = CaptionedBar(false);
    classic->setPicture(picture);
    auto themed = CaptionedBar(true);
    themed->setPicture(picture);
    EXPECT_EQ(Composed(*themed), Composed(*classic));
}

TEST(ThemedLook, LeftAlignedThemeCaptionHasNoAddedSpace) {
    auto bar = MakeBar(200, 20);
    bar->setTextAlignX(0);
    ShowCaption(*bar, QStringLiteral("M"));
    bar->setXpStyle(true);
    const QImage image = Composed(*bar);
    const Columns text = ColumnsOf(image, kText, image.rect());
    const int space = QFontMetrics(CaptionFont()).horizontalAdvance(u' ');
    ASSERT_FALSE(text.Empty());
    EXPECT_LT(text.first, 1 + space);
}

} // namespace
