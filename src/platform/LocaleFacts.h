#pragma once

#include <string>

namespace orvane::platform {

// A moment of the local calendar, as the texts of the log need it.
struct LocalTime {
    int year = 1970;
    int month = 1; // 1 to 12
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Takes the user's locale for numbers and times; the program calls it once at start.
void adoptUserLocale();

LocalTime localNow();

// The user's locale's decimal separator as text: a point, a comma, or a character of more
// than one byte such as U+066B (Arabic decimal separator).
std::string decimalSeparator();
// The locale's short date and time texts for a moment.
std::string shortDate(const LocalTime& moment);
std::string shortTime(const LocalTime& moment);

} // namespace orvane::platform
