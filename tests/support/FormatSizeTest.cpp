#include "support/FormatSize.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <limits>
#include <string>

using orvane::Amount;
using orvane::FormatSize;

namespace {

constexpr std::int64_t kMaxRaw = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMinRaw = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kKB = 1024;
constexpr std::int64_t kMB = kKB * 1024;
constexpr std::int64_t kGB = kMB * 1024;
constexpr std::int64_t kTB = kGB * 1024;

struct SizeCase {
    std::int64_t raw;
    const char* expected;
};

Amount bytes(std::int64_t whole) {
    return Amount::fromValue(whole);
}

TEST(FormatSize, EachUnitStartsExactlyAtItsPowerOf1024) {
    const SizeCase cases[] = {
        {bytes(0).raw(), "0 B"},
        {bytes(512).raw(), "512 B"},
        {bytes(1023).raw(), "1023 B"},
        {bytes(kKB).raw(), "1.0 kB"},
        {bytes(1536).raw(), "1.5 kB"},
        {bytes(kMB - 1).raw(), "1024.0 kB"},
        {bytes(kMB).raw(), "1.0 MB"},
        {bytes(kGB - 1).raw(), "1024.0 MB"},
        {bytes(kGB).raw(), "1.0 GB"},
        {bytes(5 * kGB).raw(), "5.0 GB"},
        {bytes(kTB - 1).raw(), "1024.0 GB"},
        {bytes(kTB).raw(), "1.0 TB"},
        {bytes(500 * kTB).raw(), "500.0 TB"},
        {kMaxRaw, "838.9 TB"},
    };
    for (const SizeCase& c : cases) {
        EXPECT_EQ(FormatSize(Amount::fromRaw(c.raw), '.'), c.expected) << "raw " << c.raw;
    }
}

TEST(FormatSize, TheUnitFollowsTheValueNotTheRawInteger) {
    // 1024 raw is only 0.1024 bytes.
    EXPECT_EQ(FormatSize(Amount::fromRaw(1024), '.'), "0 B");
    // Just under 1024 bytes stays in bytes even though it rounds up to 1024.
    EXPECT_EQ(FormatSize(Amount::fromRaw(bytes(kKB).raw() - 1), '.'), "1024 B");
}

TEST(FormatSize, ExactHalvesRoundToTheEvenNeighbour) {
    const SizeCase cases[] = {
        {5000, "0 B"},  // 0.5 byte
        {15000, "2 B"}, // 1.5
        {25000, "2 B"}, // 2.5
        {25001, "3 B"}, // just above the half
        {10234999, "1023 B"},
        {bytes(1280).raw(), "1.2 kB"},          // 1.25 kB
        {bytes(1792).raw(), "1.8 kB"},          // 1.75 kB
        {bytes(1280).raw() + 1, "1.3 kB"},      // just above 1.25 kB
        {bytes(1279).raw(), "1.2 kB"},          // 1.249 kB
        {bytes(1310720).raw(), "1.2 MB"},       // 1.25 MB
        {14155776000, "1.4 MB"},                // 1.35 MB, a fractional byte count
        {bytes(kTB + kTB / 4).raw(), "1.2 TB"}, // 1.25 TB, at the top of the arithmetic
    };
    for (const SizeCase& c : cases) {
        EXPECT_EQ(FormatSize(Amount::fromRaw(c.raw), '.'), c.expected) << "raw " << c.raw;
    }
}

TEST(FormatSize, NegativeAmountsShowTheirMagnitude) {
    const SizeCase cases[] = {
        {bytes(-2048).raw(), "2.0 kB"},
        {bytes(-1023).raw(), "1023 B"},
        {-25000, "2 B"},
        {-1, "0 B"},
        {kMinRaw, "838.9 TB"},
    };
    for (const SizeCase& c : cases) {
        EXPECT_EQ(FormatSize(Amount::fromRaw(c.raw), '.'), c.expected) << "raw " << c.raw;
    }
}

TEST(FormatSize, UsesTheGivenDecimalSeparatorAndLeavesBytesAlone) {
    EXPECT_EQ(FormatSize(bytes(1536), ','), "1,5 kB");
    EXPECT_EQ(FormatSize(bytes(3 * kMB / 2), ','), "1,5 MB");
    EXPECT_EQ(FormatSize(Amount::fromRaw(kMaxRaw), ','), "838,9 TB");
    EXPECT_EQ(FormatSize(bytes(1023), ','), "1023 B");
}

// Restores the C locale that the tests otherwise run under, also when an expectation fails.
class NumericLocaleGuard {
public:
    NumericLocaleGuard() = default;
    NumericLocaleGuard(const NumericLocaleGuard&) = delete;
    NumericLocaleGuard& operator=(const NumericLocaleGuard&) = delete;
    ~NumericLocaleGuard() { std::setlocale(LC_NUMERIC, "C"); }
};

TEST(FormatSizeLocale, DefaultSeparatorComesFromTheUserLocale) {
    NumericLocaleGuard guard;
    const char* adopted = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"}) {
        adopted = std::setlocale(LC_NUMERIC, name);
        if (adopted != nullptr) {
            break;
        }
    }
    if (adopted == nullptr) {
        GTEST_SKIP() << "no German or French locale is installed on this machine";
    }
    EXPECT_EQ(FormatSize(bytes(3 * kMB / 2)), "1,5 MB");
    EXPECT_EQ(FormatSize(bytes(512)), "512 B");
}

TEST(FormatSizeLocale, TheCLocaleShowsAPoint) {
    NumericLocaleGuard guard;
    ASSERT_NE(std::setlocale(LC_NUMERIC, "C"), nullptr);
    EXPECT_EQ(FormatSize(bytes(1536)), "1.5 kB");
}

} // namespace
