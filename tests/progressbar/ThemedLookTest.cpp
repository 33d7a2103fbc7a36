#include "BarFixture.h"

#include <QStyle>
#include <QStyleFactory>

#include <gtest/gtest.h>

#include <memory>

using namespace orvane;
using namespace orvane::testing;

namespace {

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
        EXPECT_TRUE(ColumnsOf(themed, colour, themed.rect()).Empty())
            << colour.name().toStdString();
    }
}

} // namespace
