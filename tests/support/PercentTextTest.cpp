#include "support/PercentText.h"

#include <gtest/gtest.h>

namespace {

TEST(PercentText, OneAndThreeDecimalsWithEitherSeparator) {
    EXPECT_EQ(orvane::PercentText(1.0 / 3, 1, '.'), "33.3%");
    EXPECT_EQ(orvane::PercentText(2.0 / 3, 1, '.'), "66.7%");
    EXPECT_EQ(orvane::PercentText(1.0, 1, '.'), "100.0%");
    EXPECT_EQ(orvane::PercentText(0.0, 3, '.'), "0.000%");
    EXPECT_EQ(orvane::PercentText(3.0 / 7, 3, '.'), "42.857%");
    EXPECT_EQ(orvane::PercentText(0.453, 1, ','), "45,3%");
}

} // namespace
