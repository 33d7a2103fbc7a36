#include "support/ValueFormat.h"

#include "support/AppIdentity.h"
#include "support/PercentText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <limits>
#include <string>
#include <tuple>
#include <utility>

using orvane::Amount;
using orvane::FormatSize;

namespace {

// Raw amounts; the value of an amount is the number of bytes.
constexpr std::int64_t B = Amount::kScale, kB = 1024 * B, MB = 1024 * kB, GB = 1024 * MB,
                       TB = 1024 * GB;

TEST(FormatSize, UnitsStartAtTheirPowerOf1024AndHalvesRoundToEven) {
    const std::pair<std::int64_t, const char*> cases[] = {
        // One byte short of a unit reads 1024.0 in the unit below; the unit follows the value.
        {0, "0 B"},
        {kB - 1, "1024 B"},
        {kB, "1.0 kB"},
        {MB - B, "1024.0 kB"},
        {MB, "1.0 MB"},
        {GB - B, "1024.0 MB"},
        {GB, "1.0 GB"},
        {TB - B, "1024.0 GB"},
        {TB, "1.0 TB"},
        {std::numeric_limits<std::int64_t>::max(), "838.9 TB"},
        {15000, "2 B"}, // exact halves go to the even neighbour
        {25000, "2 B"},
        {1280 * B, "1.2 kB"},
        {14155776000, "1.4 MB"}, // 1.35 MB of fractional bytes
        {TB + TB / 4, "1.2 TB"},
        {-2048 * B, "2.0 kB"},
        {std::numeric_limits<std::int64_t>::min(), "838.9 TB"}};
    for (const auto& [raw, expected] : cases) {
        EXPECT_EQ(FormatSize(Amount::fromRaw(raw), '.'), expected) << "raw " << raw;
    }
    EXPECT_EQ(FormatSize(Amount::fromRaw(1536 * B), ','), "1,5 kB");
    EXPECT_EQ(FormatSize(Amount::fromRaw(1023 * B), ','), "1023 B");
}

TEST(FormatSize, DefaultSeparatorFollowsTheNumericLocale) {
    struct RestoreC {
        ~RestoreC() { std::setlocale(LC_NUMERIC, "C"); }
    } restore;
    ASSERT_NE(std::setlocale(LC_NUMERIC, "C"), nullptr);
    EXPECT_EQ(FormatSize(Amount::fromRaw(1536 * B)), "1.5 kB");
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed on this machine";
    }
    EXPECT_EQ(FormatSize(Amount::fromRaw(1536 * B)), "1,5 kB");
}

enum Flags : unsigned { Days = 1, Weeks = 2, InMs = 4, ShowMs = 8 };

TEST(FormatDuration, TextsForEachCombinationOfUnits) {
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    const std::tuple<std::int32_t, unsigned, const char*> cases[] = {
        {0, 0, "0:00:00"},
        {59, 0, "0:00:59"},
        {3725, 0, "1:02:05"},
        {90000, 0, "25:00:00"},
        {90000, Days, "1 Days 1:00:00"},
        {86399, Days, "0 Days 23:59:59"},
        {604800, Days | Weeks, "1 Weeks 0 Days 0:00:00"},
        {2419199, Days | Weeks, "3 Weeks 6 Days 23:59:59"},
        {2419200, Days | Weeks, "1 Months 0 Weeks 0 Days 0:00:00"},
        {3000000, Days | Weeks, "1 Months 0 Weeks 6 Days 17:20:00"},
        {3000000, Weeks, "0 Weeks 833:20:00"},
        // Shown milliseconds cut the seconds and are not padded.
        {1600, InMs | ShowMs, "0:00:01.600"},
        {5, InMs | ShowMs, "0:00:00.5"},
        {59, ShowMs, "0:00:59.0"},
        // Hidden milliseconds round to the nearest second, an exact half to the even one.
        {1600, InMs, "0:00:02"},
        {500, InMs, "0:00:00"},
        {2500, InMs, "0:00:02"},
        {3500, InMs, "0:00:04"},
        {59999, InMs, "0:01:00"},
        {-2500, InMs, "-0:00:02"},
        {kMin, 0, "-596523:14:08"},
        {kMin, InMs | ShowMs, "-596:31:23.648"}};
    for (const auto& [time, f, expected] : cases) {
        EXPECT_EQ(orvane::FormatDuration(time, f & Days, f & Weeks, f & InMs, f & ShowMs), expected)
            << time << " with flags " << f;
    }
}

TEST(VersionText, OnlyTheBuildFormAndTheTitleCarryTheBetaMarker) {
    const bool atStartUp = orvane::IsBeta;
    EXPECT_TRUE(atStartUp);
    for (const bool beta : {true, false}) {
        orvane::IsBeta = beta;
        const std::string marker = beta ? " BETA" : "";
        EXPECT_EQ(orvane::VersionText(true), "1.0.37");
        EXPECT_EQ(orvane::VersionText(false), "1.0 Build37" + marker);
        EXPECT_EQ(orvane::TitleText(), "Orvane [1.0 Build37" + marker + "]");
    }
    orvane::IsBeta = atStartUp;
}

TEST(PercentText, ThreeDecimals) { // one decimal shows in the log save's progress
    EXPECT_EQ(orvane::PercentText(0.0, 3, '.'), "0.000%");
    EXPECT_EQ(orvane::PercentText(3.0 / 7, 3, ','), "42,857%");
}

} // namespace
