#pragma once

#include <compare>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {

// The byte totals of a run: a signed 64-bit fixed-point number with four decimal places.
// Its value is the raw integer divided by 10000. A run keeps its totals in one of two
// scales (value = bytes, or raw = bytes), which is why both views are exposed.
// Arithmetic that does not fit throws std::overflow_error, so a caller can skip one update
// instead of showing a wrapped number.
class Amount {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Amount() = default;

    static constexpr Amount fromRaw(std::int64_t raw) { return Amount(raw); }
    // A whole number as the value (raw = whole × 10000).
    static Amount fromValue(std::int64_t whole);

    constexpr std::int64_t raw() const { return raw_; }
    double value() const { return static_cast<double>(raw_) / kScale; }
    constexpr bool isZero() const { return raw_ == 0; }

    Amount operator+(Amount other) const;
    Amount operator-(Amount other) const;
    Amount& operator+=(Amount other) { return *this = *this + other; }
    Amount& operator-=(Amount other) { return *this = *this - other; }

    // The same, held at the largest (or smallest) amount where the result does not fit;
    // `saturated` is set when it did not.
    static Amount fromValueSaturated(std::int64_t whole, bool& saturated);
    Amount plusSaturated(Amount other, bool& saturated) const;

    // Multiplies the value by a whole number.
    Amount times(std::int64_t factor) const;
    // Divides the value by a whole number, rounding the fifth decimal half to even.
    Amount dividedBy(std::int64_t divisor) const;

    // The plain decimal text: no thousands separator, at most four decimals without
    // trailing zeros, no separator at all for a whole value.
    std::string decimalText(std::string_view decimalSeparator) const;

    constexpr auto operator<=>(const Amount&) const = default;

private:
    constexpr explicit Amount(std::int64_t raw) : raw_(raw) {}
    std::int64_t raw_ = 0;
};

} // namespace orvane
