#include "state/Amount.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <stdexcept>

using orvane::Amount;

namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

TEST(AmountScale, ValueScaleAndRawScaleOfTheSameBytes) {
    const Amount surveyed = Amount::fromValue(1073741824);
    EXPECT_EQ(surveyed.raw(), 10737418240000);
    // Start's division by 10000 turns "value = bytes" into "raw = bytes".
    const Amount copying = surveyed.dividedBy(10000);
    EXPECT_EQ(copying.raw(), 1073741824);
    EXPECT_EQ(copying.decimalText('.'), "107374.1824");
    // The clock's multiplication by 10000 turns it back.
    EXPECT_EQ(copying.times(10000), surveyed);
}

TEST(AmountScale, DivisionRoundsTheFifthDecimalHalfToEven) {
    EXPECT_EQ(Amount::fromRaw(15).dividedBy(10).raw(), 2);
    EXPECT_EQ(Amount::fromRaw(25).dividedBy(10).raw(), 2);
    EXPECT_EQ(Amount::fromRaw(26).dividedBy(10).raw(), 3);
    EXPECT_EQ(Amount::fromRaw(-25).dividedBy(10).raw(), -2);
    EXPECT_EQ(Amount::fromRaw(-35).dividedBy(10).raw(), -4);
    EXPECT_EQ(Amount::fromRaw(kMin).dividedBy(10000).raw(), -922337203685478);
    EXPECT_THROW(Amount::fromRaw(1).dividedBy(0), std::domain_error);
}

TEST(AmountOverflow, ResultsThatDoNotFitThrowInsteadOfWrapping) {
    EXPECT_THROW(Amount::fromRaw(kMax) + Amount::fromRaw(1), std::overflow_error);
    EXPECT_THROW(Amount::fromRaw(kMin) - Amount::fromRaw(1), std::overflow_error);
    EXPECT_THROW(Amount::fromRaw(kMax / 10000 + 1).times(10000), std::overflow_error);
    EXPECT_THROW(Amount::fromValue(kMax / 10000 + 1), std::overflow_error);
    EXPECT_THROW(Amount::fromRaw(kMin).dividedBy(-1), std::overflow_error);
    EXPECT_EQ(Amount::fromRaw(kMax / 10000).times(10000).raw(), kMax / 10000 * 10000);
}

TEST(AmountText, DecimalTextDropsTrailingZerosAndUsesTheGivenSeparator) {
    EXPECT_EQ(Amount{}.decimalText('.'), "0");
    EXPECT_EQ(Amount::fromRaw(12345000).decimalText('.'), "1234.5");
    EXPECT_EQ(Amount::fromRaw(12345000).decimalText(','), "1234,5");
    EXPECT_EQ(Amount::fromRaw(1).decimalText('.'), "0.0001");
    EXPECT_EQ(Amount::fromRaw(-1).decimalText('.'), "-0.0001");
    EXPECT_EQ(Amount::fromValue(-42).decimalText('.'), "-42");
    EXPECT_EQ(Amount::fromRaw(kMax).decimalText('.'), "922337203685477.5807");
    EXPECT_EQ(Amount::fromRaw(kMin).decimalText('.'), "-922337203685477.5808");
}

TEST(AmountArithmetic, SumsAndDifferencesAreExact) {
    Amount total;
    total += Amount::fromValue(3);
    total -= Amount::fromRaw(1);
    EXPECT_EQ(total.raw(), 29999);
    EXPECT_LT(Amount::fromRaw(-1), Amount{});
    EXPECT_TRUE((total - total).isZero());
}

} // namespace
