#pragma once

#include <concepts>
#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>

namespace orvane {

namespace detail {

// "00", "01", ... "99": two digits a step.
inline constexpr char kDigitPairs[] = "00010203040506070809101112131415161718192021222324"
                                      "25262728293031323334353637383940414243444546474849"
                                      "50515253545556575859606162636465666768697071727374"
                                      "75767778798081828384858687888990919293949596979899";

// Writes the digits so that they end at `end`; returns where they begin.
template <std::unsigned_integral Magnitude> char* writeDigits(char* end, Magnitude magnitude) {
    while (magnitude >= 100) {
        end -= 2;
        std::memcpy(end, kDigitPairs + 2 * (magnitude % 100), 2);
        magnitude /= 100;
    }
    if (magnitude >= 10) {
        end -= 2;
        std::memcpy(end, kDigitPairs + 2 * magnitude, 2);
    } else {
        *--end = static_cast<char>('0' + magnitude);
    }
    return end;
}

} // namespace detail

// Appends a whole number in decimal digits: the texts built for every file (counts, sizes,
// durations, percentages) append to a buffer they reuse instead of joining temporaries. The
// numbers are mostly small: those that fit 32 bits are written in 32-bit arithmetic.
template <std::integral Number> void AppendDecimal(std::string& text, Number number) {
    using Magnitude = std::make_unsigned_t<Number>;
    auto magnitude = static_cast<Magnitude>(number);
    char digits[21];
    char* const end = digits + sizeof digits;
    if (number < 0) {
        magnitude = static_cast<Magnitude>(Magnitude{0} - magnitude);
    }
    char* first = nullptr;
    if constexpr (sizeof(Magnitude) <= sizeof(std::uint32_t)) {
        first = detail::writeDigits(end, static_cast<std::uint32_t>(magnitude));
    } else {
        first = magnitude <= UINT32_MAX
                    ? detail::writeDigits(end, static_cast<std::uint32_t>(magnitude))
                    : detail::writeDigits(end, static_cast<std::uint64_t>(magnitude));
    }
    if (number < 0) {
        *--first = '-';
    }
    text.append(first, end);
}

} // namespace orvane
