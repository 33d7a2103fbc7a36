#include "support/PercentText.h"

#include "support/DecimalText.h"

#include <cmath>
#include <cstdint>

namespace orvane {

namespace {

std::int64_t scaleOf(int decimals) {
    std::int64_t scale = 1;
    for (int i = 0; i < decimals; ++i) {
        scale *= 10;
    }
    return scale;
}

// A half away from zero, as llround rounds, without its library call where the whole part
// fits: the difference between a double and its whole part is exact.
std::int64_t roundedHalfAway(double value) {
    if (!(std::fabs(value) < 0x1p62)) {
        return std::llround(value);
    }
    const auto whole = static_cast<std::int64_t>(value);
    const double fraction = value - static_cast<double>(whole);
    return whole + (fraction >= 0.5 ? 1 : 0) - (fraction <= -0.5 ? 1 : 0);
}

} // namespace

std::int64_t PercentUnits(double ratio, int decimals) {
    // Whole-number arithmetic rather than printf: this runs for every chunk and every file of
    // a run, and printf's exact decimal expansion of a double costs more than the rest of
    // the bookkeeping together.
    return roundedHalfAway(ratio * 100.0 * static_cast<double>(scaleOf(decimals)));
}

void AppendPercentUnits(std::string& text, std::int64_t units, int decimals,
                        std::string_view decimalSeparator) {
    const std::int64_t scale = scaleOf(decimals);
    const auto magnitude = static_cast<std::uint64_t>(units < 0 ? -units : units);
    // Written from the end into one buffer and appended at once: the percent sign, the
    // fraction's digits with their leading zeros, the separator, the whole part and its sign.
    char buffer[64];
    char* const end = buffer + sizeof buffer;
    char* first = end;
    *--first = '%';
    if (decimals > 0) {
        std::uint64_t fraction = magnitude % static_cast<std::uint64_t>(scale);
        for (int digit = 0; digit < decimals; ++digit, fraction /= 10) {
            *--first = static_cast<char>('0' + fraction % 10);
        }
        if (decimalSeparator.size() > static_cast<std::size_t>(first - buffer) - 21) {
            // A separator longer than the room left goes in its own piece.
            const std::string tail(first, end);
            if (units < 0) {
                text += '-';
            }
            AppendDecimal(text, magnitude / static_cast<std::uint64_t>(scale));
            text.append(decimalSeparator);
            text.append(tail);
            return;
        }
        first -= decimalSeparator.size();
        decimalSeparator.copy(first, decimalSeparator.size());
    }
    first = detail::writeDigits(first, magnitude / static_cast<std::uint64_t>(scale));
    if (units < 0) {
        *--first = '-';
    }
    text.append(first, end);
}

void AppendPercentText(std::string& text, double ratio, int decimals,
                       std::string_view decimalSeparator) {
    AppendPercentUnits(text, PercentUnits(ratio, decimals), decimals, decimalSeparator);
}

std::string PercentText(double ratio, int decimals, std::string_view decimalSeparator) {
    std::string text;
    AppendPercentText(text, ratio, decimals, decimalSeparator);
    return text;
}

} // namespace orvane
