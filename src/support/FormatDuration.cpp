#include "support/FormatDuration.h"

namespace orvane {

namespace {

struct SecondsAndMilliseconds {
    std::int64_t seconds = 0;
    std::int64_t milliseconds = 0;
};

// When the milliseconds are shown they complete the seconds, so the seconds are cut:
// 1600 ms reads 0:00:01.600, the time a user expects for a copy. When they are not shown the
// seconds are the nearest whole second, an exact half going to the even one (1500 ms and
// 2500 ms both read 0:00:02, 3500 ms reads 0:00:04).
SecondsAndMilliseconds splitMilliseconds(std::int64_t milliseconds, bool showMilliseconds) {
    SecondsAndMilliseconds split{milliseconds / 1000, milliseconds % 1000};
    if (!showMilliseconds &&
        (split.milliseconds > 500 || (split.milliseconds == 500 && split.seconds % 2 == 1))) {
        ++split.seconds;
    }
    return split;
}

std::string twoDigits(std::int64_t number) {
    std::string digits = std::to_string(number);
    if (number < 10) {
        digits.insert(digits.begin(), '0');
    }
    return digits;
}

} // namespace

std::string FormatDuration(std::int32_t timeValue, bool showDays, bool showWeeks,
                           bool inMilliseconds, bool showMilliseconds) {
    // Every step works on the magnitude in 64 bits, so the most negative input has a
    // magnitude too; a negative duration reads as the positive one with a minus in front.
    const bool negative = timeValue < 0;
    const std::int64_t magnitude = negative ? -std::int64_t{timeValue} : std::int64_t{timeValue};

    SecondsAndMilliseconds split{magnitude, 0};
    if (inMilliseconds) {
        split = splitMilliseconds(magnitude, showMilliseconds);
    }

    std::int64_t hours = split.seconds / 3600;
    const std::int64_t minutes = (split.seconds - hours * 3600) / 60;
    const std::int64_t seconds = split.seconds - hours * 3600 - minutes * 60;

    std::int64_t days = 0;
    if (showDays) {
        days = hours / 24;
        hours -= days * 24;
    }

    std::int64_t weeks = 0;
    std::string monthsPart;
    if (showWeeks) {
        weeks = days / 7;
        days -= weeks * 7;
        // A month counts as four weeks.
        const std::int64_t months = weeks / 4;
        if (months != 0) {
            weeks -= months * 4;
            monthsPart = std::to_string(months) + " Months ";
        }
    }

    std::string text = negative ? "-" : "";
    text += monthsPart;
    if (showWeeks) {
        text += std::to_string(weeks) + " Weeks ";
    }
    if (showDays) {
        text += std::to_string(days) + " Days ";
    }
    text += std::to_string(hours) + ':' + twoDigits(minutes) + ':' + twoDigits(seconds);
    if (showMilliseconds) {
        text += '.' + std::to_string(split.milliseconds);
    }
    return text;
}

} // namespace orvane
