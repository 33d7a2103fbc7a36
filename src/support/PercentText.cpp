#include "support/PercentText.h"

#include <cstdio>

namespace orvane {

std::string PercentText(double ratio, int decimals, char decimalSeparator) {
    char text[64];
    const int length = std::snprintf(text, sizeof text, "%.*f%%", decimals, ratio * 100.0);
    std::string result(text, length > 0 ? static_cast<std::size_t>(length) : 0);
    // snprintf follows the C locale's point, which the program does not change for numbers
    // it formats itself; the user's separator is put in here.
    for (char& c : result) {
        if (c == '.' || c == ',') {
            c = decimalSeparator;
        }
    }
    return result;
}

} // namespace orvane
