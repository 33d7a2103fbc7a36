#pragma once

#include <string>
#include <string_view>

namespace orvane {

// The control keeps its caption in UTF-16, the form both toolkits draw from; the property
// bag's text form is UTF-8. A malformed sequence becomes U+FFFD.
std::string ToUtf8(std::u16string_view text);
std::u16string ToUtf16(std::string_view text);

} // namespace orvane
