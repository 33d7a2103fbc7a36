#include "support/ShownText.h"

#include <algorithm>

namespace orvane {

namespace {

bool needsEscape(unsigned char byte, bool escapeBackslash) {
    return byte < 0x20 || byte == 0x7f || (byte == '\\' && escapeBackslash);
}

void appendEscape(std::string& text, unsigned char byte) {
    constexpr const char* hexDigits = "0123456789abcdef";
    switch (byte) {
    case '\n':
        text += "\\n";
        break;
    case '\r':
        text += "\\r";
        break;
    case '\t':
        text += "\\t";
        break;
    case '\\':
        text += "\\\\";
        break;
    default:
        text += "\\x";
        text += hexDigits[byte >> 4];
        text += hexDigits[byte & 0xf];
    }
}

} // namespace

std::string ShownText(std::string text, const platform::PathRules& paths) {
    const bool escapeBackslash = paths.separator() != '\\';
    // Nearly every line holds nothing to escape: it is passed on without a copy.
    if (std::none_of(text.begin(), text.end(), [escapeBackslash](char c) {
            return needsEscape(static_cast<unsigned char>(c), escapeBackslash);
        })) {
        return text;
    }
    std::string shown;
    shown.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (needsEscape(byte, escapeBackslash)) {
            appendEscape(shown, byte);
        } else {
            shown += c;
        }
    }
    return shown;
}

} // namespace orvane
