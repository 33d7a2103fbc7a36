#pragma once

#include "platform/LocaleFacts.h"
#include "state/Amount.h"

#include <string>
#include <string_view>

namespace orvane {

// A byte amount (the amount's value is the number of bytes) as the user reads it: "1.5 MB",
// "1024.0 kB", "512 B". Binary units up to TB, one decimal with the given separator, no sign.
std::string FormatSize(Amount amount,
                       std::string_view decimalSeparator = platform::decimalSeparator());
// The same, appended to `text`.
void AppendSize(std::string& text, Amount amount, std::string_view decimalSeparator);

} // namespace orvane
