#pragma once

#include <cstdint>
#include <string>

namespace orvane {

// A duration as "h:mm:ss", with hours that keep counting past 23 unless days are shown.
// showDays and showWeeks put "N Days " and "N Weeks " (and "N Months " once there are four
// weeks or more) in front; inMilliseconds says the input counts milliseconds rather than
// seconds, and showMilliseconds appends "." and the milliseconds without padding.
std::string FormatDuration(std::int32_t timeValue, bool showDays, bool showWeeks,
                           bool inMilliseconds, bool showMilliseconds);
// The same, appended to `text`.
void AppendDuration(std::string& text, std::int32_t timeValue, bool showDays, bool showWeeks,
                    bool inMilliseconds, bool showMilliseconds);

} // namespace orvane
