#include "support/FormatDuration.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

using orvane::FormatDuration;

namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

struct DurationCase {
    std::int32_t timeValue;
    bool showDays;
    bool showWeeks;
    bool inMilliseconds;
    bool showMilliseconds;
    const char* expected;
};

void expectAll(std::initializer_list<DurationCase> cases) {
    for (const DurationCase& c : cases) {
        EXPECT_EQ(FormatDuration(c.timeValue, c.showDays, c.showWeeks, c.inMilliseconds,
                                 c.showMilliseconds),
                  c.expected)
            << c.timeValue << " days " << c.showDays << " weeks " << c.showWeeks << " ms in "
            << c.inMilliseconds << " ms shown " << c.showMilliseconds;
    }
}

TEST(FormatDuration, SecondsBecomeHoursMinutesAndSeconds) {
    expectAll({
        {0, false, false, false, false, "0:00:00"},
        {9, false, false, false, false, "0:00:09"},
        {59, false, false, false, false, "0:00:59"},
        {60, false, false, false, false, "0:01:00"},
        {3599, false, false, false, false, "0:59:59"},
        {3600, false, false, false, false, "1:00:00"},
        {3725, false, false, false, false, "1:02:05"},
    });
}

TEST(FormatDuration, HoursKeepCountingUnlessDaysAreShown) {
    expectAll({
        {36000, false, false, false, false, "10:00:00"},
        {360000, false, false, false, false, "100:00:00"},
        {90000, false, false, false, false, "25:00:00"},
        {90000, true, false, false, false, "1 Days 1:00:00"},
        {86399, true, false, false, false, "0 Days 23:59:59"},
        {0, true, false, false, false, "0 Days 0:00:00"},
    });
}

TEST(FormatDuration, WeeksAndMonthsOfFourWeeks) {
    expectAll({
        {3000000, true, true, false, false, "1 Months 0 Weeks 6 Days 17:20:00"},
        {604800, true, true, false, false, "1 Weeks 0 Days 0:00:00"},
        {2419199, true, true, false, false, "3 Weeks 6 Days 23:59:59"},
        {2419200, true, true, false, false, "1 Months 0 Weeks 0 Days 0:00:00"},
        {kMax, true, true, false, false, "887 Months 2 Weeks 5 Days 3:14:07"},
    });
}

TEST(FormatDuration, WeeksWithoutDaysLeaveTheHoursWhole) {
    expectAll({
        {90000, false, true, false, false, "0 Weeks 25:00:00"},
        {3000000, false, true, false, false, "0 Weeks 833:20:00"},
    });
}

TEST(FormatDuration, ShownMillisecondsCutTheSecondsAndAreNotPadded) {
    expectAll({
        {61250, false, false, true, true, "0:01:01.250"},
        {1600, false, false, true, true, "0:00:01.600"},
        {5, false, false, true, true, "0:00:00.5"},
        {1000, false, false, true, true, "0:00:01.0"},
        {59999, false, false, true, true, "0:00:59.999"},
        // Seconds as input have no remainder to show.
        {59, false, false, false, true, "0:00:59.0"},
    });
}

TEST(FormatDuration, HiddenMillisecondsRoundToTheNearestSecondHalvesToEven) {
    expectAll({
        {1600, false, false, true, false, "0:00:02"},
        {1500, false, false, true, false, "0:00:02"},
        {2500, false, false, true, false, "0:00:02"},
        {2501, false, false, true, false, "0:00:03"},
        {3500, false, false, true, false, "0:00:04"},
        {499, false, false, true, false, "0:00:00"},
        {500, false, false, true, false, "0:00:00"},
        // The rounding carries into the minutes and hours.
        {59999, false, false, true, false, "0:01:00"},
        {3599500, false, false, true, false, "1:00:00"},
    });
}

TEST(FormatDuration, NegativeInputReadsAsTheMagnitudeWithAMinus) {
    expectAll({
        {-3725, false, false, false, false, "-1:02:05"},
        {-1600, false, false, true, true, "-0:00:01.600"},
        {-2500, false, false, true, false, "-0:00:02"},
        {kMin, false, false, false, false, "-596523:14:08"},
        {kMin, false, false, true, false, "-596:31:24"},
        {kMin, false, false, true, true, "-596:31:23.648"},
    });
}

} // namespace
