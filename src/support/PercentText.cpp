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
    const std::int64_t magnitude = units < 0 ? -units : units;
    if (units < 0) {
        text += '-';
    }
    AppendDecimal(text, magnitude / scale);
    if (decimals == 0) {
        text += '%';
        return;
    }
    text.append(decimalSeparator);
    // The fraction's digits, its leading zeros included, written from the last, and the
    // percent sign.
    char digits[19];
    std::int64_t fraction = magnitude % scale;
    for (int digit = decimals - 1; digit >= 0; --digit, fraction /= 10) {
        digits[digit] = static_cast<char>('0' + fraction % 10);
    }
    digits[decimals] = '%';
    text.append(digits, static_cast<std::size_t>(decimals) + 1);
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
