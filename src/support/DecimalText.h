#pragma once

#include <concepts>
#include <string>
#include <type_traits>

namespace orvane {

// Appends a whole number in decimal digits: the texts built for every file (counts, sizes,
// durations, percentages) append to a buffer they reuse instead of joining temporaries. The
// numbers are mostly of one to three digits, which a plain loop writes fastest.
template <std::integral Number> void AppendDecimal(std::string& text, Number number) {
    using Magnitude = std::make_unsigned_t<Number>;
    Magnitude magnitude = static_cast<Magnitude>(number);
    if (number < 0) {
        text += '-';
        magnitude = static_cast<Magnitude>(Magnitude{0} - magnitude);
    }
    char digits[20];
    char* first = digits + sizeof digits;
    do {
        *--first = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    text.append(first, digits + sizeof digits);
}

} // namespace orvane
