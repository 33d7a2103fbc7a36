#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {

// A ratio as the patterns "0.0%" and "0.000%" show it: times 100, rounded to the given
// number of decimals, with the locale's decimal separator and a percent sign.
std::string PercentText(double ratio, int decimals, std::string_view decimalSeparator);
// The same, appended to `text`.
void AppendPercentText(std::string& text, double ratio, int decimals,
                       std::string_view decimalSeparator);

// The shown number in units of the last decimal (42.857% is 42857 at three decimals): two
// ratios with the same units read the same.
std::int64_t PercentUnits(double ratio, int decimals);
// The text of a number of units.
void AppendPercentUnits(std::string& text, std::int64_t units, int decimals,
                        std::string_view decimalSeparator);

} // namespace orvane
