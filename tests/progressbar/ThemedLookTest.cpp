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
// and the chunks in one colour each, gives a content rectangle 7 and 3 pixels in from its
// bounds, and notes where and what the caption is drawn.
class ThemeStyle : public QProxyStyle {
public:
    ThemeStyle(int chunk, int space, bool groove = true)
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))), chunk_(chunk),
          space_(space), groove_(groove) {}
    int pixelMetric(PixelMetric metric, const QStyleOption* o, const QWidget* w) const override {
        return metric == PM_ProgressBarChunkWidth  ? chunk_
               : metric == PM_ProgressBarSpaceSize ? space_
                                                   : QProxyStyle::pixelMetric(metric, o, w);
    }
    QRect subElementRect(SubElement element, const QStyleOption* o,
                         const QWidget* w) const override {
        return element == SE_ProgressBarGroove     ? (groove_ ? o->rect : QRect())
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
    void drawItemText(QPainter* p, const QRect& rect, int flags, const QPalette& palette,
                      bool enabled, const QString& text, QPalette::ColorRole role) const override {
        textRect = rect;
        this->text = text;
        QProxyStyle::drawItemText(p, rect, flags, palette, enabled, text, role);
    }
    mutable QRect textRect;
    mutable QString text;

private:
    int chunk_, space_;
    bool groove_;
};

std::unique_ptr<pcProgressBar> CaptionedBar(QStyle* style, bool xpStyle) {
    auto bar = MakeBar(200, 20);
    if (style != nullptr) {
        bar->setStyle(style);
    }
    bar->setTextAlignX(0);
    ShowCaption(*bar, QStringLiteral("MMMMMMMM"));
    bar->setSegments(true);
    bar->setValue(50);
    bar->setXpStyle(xpStyle);
    return bar;
}

// Chunk 6 and space 2 cut the 200 x 20 bar at Value 50 back by whole steps of 6 + 2 x 2:
// client (1, 1, 199, 19) with an inset of 1 whatever the Appearance, bar right 100 - 99 mod 10
// = 91, chunks on (3, 3, 90, 18). The caption is the Text itself, in the style's colour, in the
// content rectangle of the client; no classic colour or border is used.
TEST(ThemedLook, StyleSizesPlaceTheChunksAndTheCaption) {
    for (const int appearance : {1, 2}) {
        SCOPED_TRACE(appearance);
        ThemeStyle style(6, 2);
        auto bar = CaptionedBar(&style, true);
        bar->setAppearance(appearance);
        const QImage image = Composed(*bar);
        ExpectPixels(image, {{kTrough, {{0, 0}, {2, 3}, {3, 2}, {90, 17}, {89, 18}, {150, 18}}},
                             {kChunk, {{3, 3}, {89, 17}}}});
        EXPECT_EQ(style.textRect, QRect(8, 4, 184, 12));
        EXPECT_EQ(style.text, QStringLiteral("MMMMMMMM"));
        EXPECT_FALSE(ColumnsOf(image, kText, image.rect()).Empty());
        for (const QColor& classic : {kRed, kGreen, kNavy, kDark, kButton}) {
            EXPECT_TRUE(ColumnsOf(image, classic, image.rect()).Empty())
                << classic.name().toStdString();
        }
    }
}

// A chunk width of 0, a negative space or no groove gives exactly the classic look; a space of
// 0 (Qt's own styles) is a theme with chunks that touch.
TEST(ThemedLook, StyleThatRefusesGivesExactlyTheClassicLook) {
    const QImage classic = Composed(*CaptionedBar(nullptr, false));
    ThemeStyle noChunk(0, 2);
    ThemeStyle noSpace(6, -1);
    ThemeStyle noGroove(6, 2, false);
    for (QStyle* style : std::initializer_list<QStyle*>{&noChunk, &noSpace, &noGroove}) {
        EXPECT_EQ(Composed(*CaptionedBar(style, true)), classic);
    }
    ThemeStyle touching(6, 0);
    EXPECT_EQ(Pixel(*CaptionedBar(&touching, true), 0, 0), kTrough);
}

// A back picture keeps the theme off; a stretched bar picture in the themed look has no clip
// and covers the whole control.
TEST(ThemedLook, PicturesAgainstTheTheme) {
    ThemeStyle style(6, 2);
    QImage picture(3, 3, QImage::Format_RGB32);
    picture.fill(QColor(10, 200, 30));
    auto classic = CaptionedBar(nullptr, false);
    classic->setPicture(picture);
    auto themed = CaptionedBar(&style, true);
    themed->setPicture(picture);
    EXPECT_EQ(Composed(*themed), Composed(*classic));

    auto stretched = CaptionedBar(&style, true);
    stretched->setBarPictureMode(0);
    stretched->setBarPicture(picture);
    ExpectPixels(Composed(*stretched), {{QColor(10, 200, 30), {{0, 0}, {199, 19}}}});
}

} // namespace
