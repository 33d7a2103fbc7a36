#include "state/Amount.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>
#include <tuple>

using orvane::Amount;

namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

TEST(Amount, ScaleChangesRoundHalfToEvenAndNeverWrap) {
    // Dividing by 10000 turns "value = bytes" into "raw = bytes".
    const Amount surveyed = Amount::fromValue(1073741824);
    EXPECT_EQ(surveyed.raw(), 10737418240000);
    EXPECT_EQ(surveyed.dividedBy(10000).raw(), 1073741824);
    EXPECT_EQ(surveyed.dividedBy(10000).times(10000), surveyed);
    const std::int64_t cases[][3] = {{15, 10, 2},   {25, 10, 2},   {26, 10, 3},
                                     {-25, 10, -2}, {-35, 10, -4}, {35, -10, -4}};
    for (const auto& [raw, divisor, expected] : cases) {
        EXPECT_EQ(Amount::fromRaw(raw).dividedBy(divisor).raw(), expected) << raw;
    }
    EXPECT_EQ(Amount::fromRaw(kMin).dividedBy(10000).raw(), -922337203685478);
    EXPECT_THROW(Amount::fromRaw(1).dividedBy(0), std::domain_error);
    // Arithmetic is exact or throws instead of wrapping.
    EXPECT_EQ((Amount{} + Amount::fromValue(3) - Amount::fromRaw(1)).raw(), 29999);
    EXPECT_EQ(Amount::fromRaw(kMax / 10000).times(10000).raw(), kMax / 10000 * 10000);
    EXPECT_THROW(Amount::fromRaw(kMax) + Amount::fromRaw(1), std::overflow_error);
    EXPECT_THROW(Amount::fromRaw(kMin) - Amount::fromRaw(1), std::overflow_error);
    EXPECT_THROW(Amount::fromRaw(kMax / 10000 + 1).times(10000), std::overflow_error);
    EXPECT_THROW(Amount::fromValue(kMax / 10000 + 1), std::overflow_error);
    EXPECT_THROW(Amount::fromRaw(kMin).dividedBy(-1), std::overflow_error);
    // A total that runs past either end stays at that end, and says so.
    for (const auto& [from, step, end] : {std::tuple{kMin + 1, -2, kMin}, {kMax - 1, 2, kMax}}) {
        bool saturated = false;
        EXPECT_EQ(Amount::fromRaw(from).plusSaturated(Amount::fromRaw(step), saturated).raw(), end);
        EXPECT_TRUE(saturated) << end;
    }
}

TEST(Amount, DecimalTextDropsTrailingZerosAndUsesTheGivenSeparator) {
    EXPECT_EQ(Amount::fromValue(-42).decimalText("."), "-42");
    EXPECT_EQ(Amount::fromRaw(12345000).decimalText(","), "1234,5");
    EXPECT_EQ(Amount::fromRaw(-1).decimalText("."), "-0.0001");
    EXPECT_EQ(Amount::fromRaw(kMax).decimalText("."), "922337203685477.5807");
    EXPECT_EQ(Amount::fromRaw(kMin).decimalText("."), "-922337203685477.5808");
}

} // namespace
