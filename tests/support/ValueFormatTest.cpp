#include "support/ValueFormat.h"

#include "support/PercentText.h"

#include <gtest/gtest.h>

#include <limits>

using orvane::Amount;
using orvane::FormatSize;

namespace {

// Raw amounts; the value of an amount is the number of bytes.
constexpr std::int64_t B = Amount::kScale, kB = 1024 * B, MB = 1024 * kB, GB = 1024 * MB,
                       TB = 1024 * GB, kMax = std::numeric_limits<std::int64_t>::max();

// One byte short of a unit reads 1024.0 in the unit below; exact halves go to the even neighbour.
TEST(FormatSize, UnitsStartAtTheirPowerOf1024AndHalvesRoundToEven) {
    const struct {
        std::int64_t raw;
        const char* separator;
        const char* text;
    } cases[] = {
        0,         ".", "0 B",       kB - 1,      ".", "1024 B",    kB,          ".", "1.0 kB",
        MB - B,    ".", "1024.0 kB", MB,          ".", "1.0 MB",    GB - B,      ".", "1024.0 MB",
        GB,        ".", "1.0 GB",    TB - B,      ".", "1024.0 GB", TB,          ".", "1.0 TB",
        kMax,      ".", "838.9 TB",  15000,       ".", "2 B",       25000,       ".", "2 B",
        1280 * B,  ".", "1.2 kB",    14155776000, ".", "1.4 MB",    TB + TB / 4, ".", "1.2 TB",
        -2048 * B, ".", "2.0 kB",    -kMax - 1,   ".", "838.9 TB",  1536 * B,    ",", "1,5 kB",
        1023 * B,  ",", "1023 B"};
    for (const auto& [raw, separator, expected] : cases) {
        EXPECT_EQ(FormatSize(Amount::fromRaw(raw), separator), expected) << "raw " << raw;
    }
    // A separator of more than one byte (U+066B, as under ps_AF.UTF-8) stays whole.
    const std::string arabic = "\xd9\xab";
    EXPECT_EQ(FormatSize(Amount::fromRaw(1536 * B), arabic), "1" + arabic + "5 kB");
    EXPECT_EQ(orvane::PercentText(1.0 / 3, 3, arabic), "33" + arabic + "333%");
    EXPECT_EQ(Amount::fromRaw(15000).decimalText(arabic), "1" + arabic + "5");
}

enum Flags : unsigned { Days = 1, Weeks = 2, DW = 3, InMs = 4, ShowMs = 8, MS = 12 };

// Shown milliseconds cut the seconds and are not padded; hidden ones round to the nearest
// second, an exact half to the even one. The program never shows days or weeks: one case.
TEST(FormatDuration, TextsForEachCombinationOfUnits) {
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    const auto text = [](std::int32_t time, unsigned f) {
        return orvane::FormatDuration(time, f & Days, f & Weeks, f & InMs, f & ShowMs);
    };
    const struct {
        std::int32_t time;
        unsigned f;
        const char* text;
    } cases[] = {
        0,     0,      "0:00:00",   59,   0,    "0:00:59",       3725,  0,    "1:02:05",
        90000, 0,      "25:00:00",  1600, MS,   "0:00:01.600",   5,     MS,   "0:00:00.5",
        59,    ShowMs, "0:00:59.0", 1600, InMs, "0:00:02",       500,   InMs, "0:00:00",
        2500,  InMs,   "0:00:02",   3500, InMs, "0:00:04",       59999, InMs, "0:01:00",
        -2500, InMs,   "-0:00:02",  kMin, 0,    "-596523:14:08", kMin,  MS,   "-596:31:23.648",
        549,   0,      "0:09:09",   -6,   0,    "-0:00:06"};
    for (const auto& [time, f, expected] : cases) {
        EXPECT_EQ(text(time, f), expected) << time << " with flags " << f;
    }
    EXPECT_EQ(text(3000000, DW), "1 Months 0 Weeks 6 Days 17:20:00");
}

} // namespace
