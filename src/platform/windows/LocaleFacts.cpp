#include "platform/LocaleFacts.h"

#include "platform/windows/SystemPath.h"

#include <iterator>

namespace orvane::platform {

namespace {

SYSTEMTIME systemTimeOf(const LocalTime& moment) {
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(moment.year);
    time.wMonth = static_cast<WORD>(moment.month);
    time.wDay = static_cast<WORD>(moment.day);
    time.wHour = static_cast<WORD>(moment.hour);
    time.wMinute = static_cast<WORD>(moment.minute);
    time.wSecond = static_cast<WORD>(moment.second);
    // The day of the week, which some locales' long forms show, follows from the date.
    FILETIME asFileTime{};
    if (::SystemTimeToFileTime(&time, &asFileTime)) {
        ::FileTimeToSystemTime(&asFileTime, &time);
    }
    return time;
}

template <typename Format> std::string localeText(Format format) {
    wchar_t text[128] = {};
    const int length = format(text, static_cast<int>(std::size(text)));
    return length > 1 ? narrowText(std::wstring_view(text, static_cast<std::size_t>(length - 1)))
                      : std::string{};
}

} // namespace

void adoptUserLocale() {
    // Every locale fact below is asked of the user's locale directly.
}

LocalTime localNow() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

std::string decimalSeparator() {
    const std::string separator = localeText([](wchar_t* text, int size) {
        return ::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, text, size);
    });
    return separator.empty() ? std::string(".") : separator;
}

std::string shortDate(const LocalTime& moment) {
    const SYSTEMTIME time = systemTimeOf(moment);
    return localeText([&time](wchar_t* text, int size) {
        return ::GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, text,
                                 size, nullptr);
    });
}

std::string shortTime(const LocalTime& moment) {
    const SYSTEMTIME time = systemTimeOf(moment);
    return localeText([&time](wchar_t* text, int size) {
        return ::GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &time, nullptr, text, size);
    });
}

} // namespace orvane::platform
