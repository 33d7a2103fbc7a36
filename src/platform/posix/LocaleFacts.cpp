#include "platform/LocaleFacts.h"

#include <clocale>
#include <ctime>

namespace orvane::platform {

namespace {

std::tm toTm(const LocalTime& moment) {
    std::tm fields{};
    fields.tm_year = moment.year - 1900;
    fields.tm_mon = moment.month - 1;
    fields.tm_mday = moment.day;
    fields.tm_hour = moment.hour;
    fields.tm_min = moment.minute;
    fields.tm_sec = moment.second;
    fields.tm_isdst = -1;
    // Fills in the day of the week, which some locales' date formats show.
    std::tm normalised = fields;
    std::mktime(&normalised);
    return normalised;
}

std::string formatted(const LocalTime& moment, const char* pattern) {
    const std::tm fields = toTm(moment);
    char text[128];
    const std::size_t length = std::strftime(text, sizeof text, pattern, &fields);
    return std::string(text, length);
}

} // namespace

void adoptUserLocale() {
    std::setlocale(LC_NUMERIC, "");
    std::setlocale(LC_TIME, "");
}

LocalTime localNow() {
    const std::time_t now = std::time(nullptr);
    std::tm fields{};
    ::localtime_r(&now, &fields);
    return {fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday,
            fields.tm_hour,        fields.tm_min,     fields.tm_sec};
}

std::string decimalSeparator() {
    const std::lconv* facts = std::localeconv();
    if (facts == nullptr || facts->decimal_point == nullptr || facts->decimal_point[0] == '\0') {
        return ".";
    }
    return facts->decimal_point;
}

std::string shortDate(const LocalTime& moment) {
    return formatted(moment, "%x");
}

std::string shortTime(const LocalTime& moment) {
    return formatted(moment, "%X");
}

} // namespace orvane::platform
