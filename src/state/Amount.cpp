#include "state/Amount.h"

#include <stdexcept>

namespace orvane {

namespace {

// The builtin writes its result through the pointer; reading it only after the call keeps
// the order of evaluation out of the way.
template <typename Operation> std::int64_t checked(Operation operation) {
    std::int64_t result = 0;
    if (operation(&result)) {
        throw std::overflow_error("amount out of range");
    }
    return result;
}

} // namespace

Amount Amount::fromValue(std::int64_t whole) {
    return Amount(
        checked([&](std::int64_t* raw) { return __builtin_mul_overflow(whole, kScale, raw); }));
}

Amount Amount::fromValueSaturated(std::int64_t whole, bool& saturated) {
    std::int64_t raw = 0;
    if (__builtin_mul_overflow(whole, kScale, &raw)) {
        saturated = true;
        raw = whole < 0 ? INT64_MIN : INT64_MAX;
    }
    return Amount(raw);
}

Amount Amount::plusSaturated(Amount other, bool& saturated) const {
    std::int64_t raw = 0;
    if (__builtin_add_overflow(raw_, other.raw_, &raw)) {
        saturated = true;
        raw = other.raw_ < 0 ? INT64_MIN : INT64_MAX;
    }
    return Amount(raw);
}

Amount Amount::operator+(Amount other) const {
    return Amount(
        checked([&](std::int64_t* raw) { return __builtin_add_overflow(raw_, other.raw_, raw); }));
}

Amount Amount::operator-(Amount other) const {
    return Amount(
        checked([&](std::int64_t* raw) { return __builtin_sub_overflow(raw_, other.raw_, raw); }));
}

Amount Amount::times(std::int64_t factor) const {
    return Amount(
        checked([&](std::int64_t* raw) { return __builtin_mul_overflow(raw_, factor, raw); }));
}

Amount Amount::dividedBy(std::int64_t divisor) const {
    if (divisor == 0) {
        throw std::domain_error("amount divided by zero");
    }
    if (raw_ == INT64_MIN && divisor == -1) {
        throw std::overflow_error("amount out of range");
    }
    std::int64_t quotient = raw_ / divisor;
    const std::int64_t remainder = raw_ % divisor;
    // Compare twice the remainder with the divisor on magnitudes that cannot overflow.
    const std::uint64_t twiceRest =
        2 * static_cast<std::uint64_t>(remainder < 0 ? -remainder : remainder);
    const std::uint64_t magnitude =
        divisor < 0 ? 0 - static_cast<std::uint64_t>(divisor) : static_cast<std::uint64_t>(divisor);
    const bool roundAway = twiceRest > magnitude || (twiceRest == magnitude && quotient % 2 != 0);
    if (roundAway) {
        quotient += ((raw_ < 0) != (divisor < 0)) ? -1 : 1;
    }
    return Amount(quotient);
}

std::string Amount::decimalText(std::string_view decimalSeparator) const {
    const bool negative = raw_ < 0;
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(raw_) : static_cast<std::uint64_t>(raw_);
    std::string text = negative ? "-" : "";
    text += std::to_string(magnitude / kScale);
    std::string decimals = std::to_string(magnitude % kScale + kScale).substr(1);
    while (!decimals.empty() && decimals.back() == '0') {
        decimals.pop_back();
    }
    if (!decimals.empty()) {
        text.append(decimalSeparator);
        text += decimals;
    }
    return text;
}

} // namespace orvane
