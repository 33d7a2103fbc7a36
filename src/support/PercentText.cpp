#include "support/PercentText.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace orvane {

std::string PercentText(double ratio, int decimals, std::string_view decimalSeparator) {
    // Whole-number arithmetic rather than printf: this runs for every chunk and every file of
    // a run, and printf's exact decimal expansion of a double costs more than the rest of
    // the bookkeeping together.
    std::int64_t scale = 1;
    for (int i = 0; i < decimals; ++i) {
        scale *= 10;
    }
    const std::int64_t scaled = std::llround(ratio * 100.0 * static_cast<double>(scale));
    const std::int64_t magnitude = std::llabs(scaled);
    std::string text = scaled < 0 ? "-" : "";
    text += std::to_string(magnitude / scale);
    if (decimals > 0) {
        const std::string fraction = std::to_string(magnitude % scale + scale);
        text.append(decimalSeparator);
        text += fraction.substr(1);
    }
    return text + "%";
}

} // namespace orvane
