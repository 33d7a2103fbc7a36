#include "support/FormatSize.h"

#include "support/DecimalText.h"

#include <cstdint>

namespace orvane {

namespace {

struct SizeUnit {
    std::uint64_t bytes;
    const char* name;
};

// Largest first: the first unit the amount reaches is the one shown.
constexpr SizeUnit kUnits[] = {
    {std::uint64_t{1} << 40, "TB"},
    {std::uint64_t{1} << 30, "GB"},
    {std::uint64_t{1} << 20, "MB"},
    {std::uint64_t{1} << 10, "kB"},
};

constexpr auto kRawPerByte = static_cast<std::uint64_t>(Amount::kScale);

// The most negative raw amount has no positive counterpart in 64 signed bits, so the
// magnitude is taken in unsigned arithmetic.
std::uint64_t magnitude(std::int64_t raw) {
    const auto bits = static_cast<std::uint64_t>(raw);
    return raw < 0 ? ~bits + 1 : bits;
}

// numerator × factor ÷ denominator, rounded to the nearest whole number; an exact half goes
// to the even neighbour, so a column of sizes does not drift upwards. The numerator is split
// before scaling because numerator × factor alone could exceed 64 bits, while the remainder
// times the factor stays below denominator × factor, which fits for every unit used here.
std::uint64_t roundedQuotient(std::uint64_t numerator, std::uint64_t denominator,
                              std::uint64_t factor) {
    const std::uint64_t scaledRest = numerator % denominator * factor;
    std::uint64_t quotient = numerator / denominator * factor + scaledRest / denominator;
    const std::uint64_t twiceRemainder = scaledRest % denominator * 2;
    if (twiceRemainder > denominator || (twiceRemainder == denominator && quotient % 2 == 1)) {
        ++quotient;
    }
    return quotient;
}

} // namespace

void AppendSize(std::string& text, Amount amount, std::string_view decimalSeparator) {
    const std::uint64_t raw = magnitude(amount.raw());
    for (const SizeUnit& unit : kUnits) {
        const std::uint64_t rawPerUnit = unit.bytes * kRawPerByte;
        if (raw >= rawPerUnit) {
            // Rounding happens after the unit is chosen, so one byte short of a unit reads
            // 1024.0 in the unit below.
            const std::uint64_t tenths = roundedQuotient(raw, rawPerUnit, 10);
            AppendDecimal(text, tenths / 10);
            text.append(decimalSeparator);
            // The tenth, a space and the unit's name, of two letters for every unit.
            const char tail[] = {static_cast<char>('0' + tenths % 10), ' ', unit.name[0],
                                 unit.name[1]};
            text.append(tail, sizeof tail);
            return;
        }
    }
    AppendDecimal(text, roundedQuotient(raw, kRawPerByte, 1));
    text += " B";
}

std::string FormatSize(Amount amount, std::string_view decimalSeparator) {
    std::string text;
    AppendSize(text, amount, decimalSeparator);
    return text;
}

} // namespace orvane
