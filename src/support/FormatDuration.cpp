#include "support/FormatDuration.h"

#include "support/DecimalText.h"

#include <cstring>

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

} // namespace

void AppendDuration(std::string& text, std::int32_t timeValue, bool showDays, bool showWeeks,
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

    if (negative) {
        text += '-';
    }
    if (showWeeks) {
        std::int64_t weeks = days / 7;
        days -= weeks * 7;
        // A month counts as four weeks.
        const std::int64_t months = weeks / 4;
        if (months != 0) {
            weeks -= months * 4;
            AppendDecimal(text, static_cast<std::uint64_t>(months));
            text += " Months ";
        }
        AppendDecimal(text, static_cast<std::uint64_t>(weeks));
        text += " Weeks ";
    }
    if (showDays) {
        AppendDecimal(text, static_cast<std::uint64_t>(days));
        text += " Days ";
    }
    // The clock in one piece, written from its end: the milliseconds, the seconds and the
    // minutes (two digits each), the hours.
    char clock[48];
    char* const end = clock + sizeof clock;
    char* first = end;
    if (showMilliseconds) {
        first = detail::writeDigits(first, static_cast<std::uint64_t>(split.milliseconds));
        *--first = '.';
    }
    for (const std::int64_t twoDigits : {seconds, minutes}) {
        first -= 2;
        std::memcpy(first, detail::kDigitPairs + 2 * twoDigits, 2);
        *--first = ':';
    }
    first = detail::writeDigits(first, static_cast<std::uint64_t>(hours));
    text.append(first, end);
}

std::string FormatDuration(std::int32_t timeValue, bool showDays, bool showWeeks,
                           bool inMilliseconds, bool showMilliseconds) {
    std::string text;
    AppendDuration(text, timeValue, showDays, showWeeks, inMilliseconds, showMilliseconds);
    return text;
}

} // namespace orvane
