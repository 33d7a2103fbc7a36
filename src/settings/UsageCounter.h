#pragma once

#include <cstdint>

namespace orvane {

class IniStore;

// Counts this start of the program: reads Main/USE from the settings file beside the
// executable (a missing file or key counts as the first start), stores the number of the
// next start, and returns the number of this one.
//
// A stored value that is not plain decimal digits for a number from 1 to 2147483647 (letters,
// a sign, a fraction, zero, a number too large for 32 bits) counts as a first start and is
// overwritten with 2, so one damaged file cannot keep the program from starting. At
// 2147483647 the count stays there, because the next number does not fit in 32 bits.
std::int32_t countThisStart(const IniStore& store);

} // namespace orvane
