#pragma once

#include <string>
#include <string_view>

namespace orvane {

// A ratio as the patterns "0.0%" and "0.000%" show it: times 100, rounded to the given
// number of decimals, with the locale's decimal separator and a percent sign.
std::string PercentText(double ratio, int decimals, std::string_view decimalSeparator);

} // namespace orvane
