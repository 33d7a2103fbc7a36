#include "support/ShownText.h"

#include <algorithm>
#include <string_view>

namespace orvane {

namespace {

void appendHex(std::string& text, unsigned char byte) {
    constexpr const char* hexDigits = "0123456789abcdef";
    text += "\\x";
    text += hexDigits[byte >> 4];
    text += hexDigits[byte & 0xf];
}

// Every byte of a C0 control, DEL, a backslash that is not the separator, and every byte of
// a text outside ASCII: those need a closer look. Nearly every name is plain ASCII.
bool mayNeedEscape(unsigned char byte, bool escapeBackslash) {
    return byte < 0x20 || byte >= 0x7f || (byte == '\\' && escapeBackslash);
}

// The length of the valid UTF-8 sequence that starts the text, or 0 when it starts with a
// byte that begins none (a stray continuation byte, an overlong form, a surrogate, a sequence
// cut short).
std::size_t utf8Length(std::string_view text) {
    const auto byte = [&text](std::size_t at) { return static_cast<unsigned char>(text[at]); };
    const unsigned char lead = byte(0);
    std::size_t length = lead >= 0xf0 ? 4 : lead >= 0xe0 ? 3 : lead >= 0xc2 ? 2 : 0;
    if (length == 0 || lead > 0xf4 || text.size() < length) {
        return 0;
    }
    // The second byte's range narrows where a shorter form would do, and past U+10FFFF.
    const unsigned char low = lead == 0xe0 ? 0xa0 : lead == 0xf0 ? 0x90 : 0x80;
    const unsigned char high = lead == 0xed ? 0x9f : lead == 0xf4 ? 0x8f : 0xbf;
    if (byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t at = 2; at < length; ++at) {
        if (byte(at) < 0x80 || byte(at) > 0xbf) {
            return 0;
        }
    }
    return length;
}

// The character or byte that starts the text, as shown; returns how many bytes it took.
std::size_t appendShown(std::string& shown, std::string_view text, bool escapeBackslash) {
    const auto byte = static_cast<unsigned char>(text[0]);
    if (byte < 0x80) {
        switch (byte) {
        case '\n':
            shown += "\\n";
            break;
        case '\r':
            shown += "\\r";
            break;
        case '\t':
            shown += "\\t";
            break;
        case '\\':
            shown += escapeBackslash ? "\\\\" : "\\";
            break;
        default:
            if (byte < 0x20 || byte == 0x7f) {
                appendHex(shown, byte);
            } else {
                shown += text[0];
            }
        }
        return 1;
    }
    const std::size_t length = utf8Length(text);
    // U+0080 to U+009F, the C1 controls, which terminals that honour them act on (U+009B
    // starts a control sequence as ESC [ does): their two bytes are shown escaped.
    if (length == 2 && byte == 0xc2 && static_cast<unsigned char>(text[1]) < 0xa0) {
        appendHex(shown, byte);
        appendHex(shown, static_cast<unsigned char>(text[1]));
        return 2;
    }
    if (length > 0) {
        shown.append(text.substr(0, length));
        return length;
    }
    // A byte of no UTF-8 character: one of 0x80 to 0x9F is a C1 control itself to a terminal
    // that reads 8-bit text; the others are printable there, and stay.
    if (byte < 0xa0) {
        appendHex(shown, byte);
    } else {
        shown += text[0];
    }
    return 1;
}

} // namespace

std::string ShownText(std::string text, const platform::PathRules& paths) {
    const bool escapeBackslash = paths.separator() != '\\';
    // Nearly every line holds nothing to look at closer: it is passed on without a copy.
    const auto first = std::find_if(text.begin(), text.end(), [escapeBackslash](char c) {
        return mayNeedEscape(static_cast<unsigned char>(c), escapeBackslash);
    });
    if (first == text.end()) {
        return text;
    }
    std::string shown(text.begin(), first);
    shown.reserve(text.size() + 8);
    std::string_view rest(text);
    rest.remove_prefix(static_cast<std::size_t>(first - text.begin()));
    while (!rest.empty()) {
        rest.remove_prefix(appendShown(shown, rest, escapeBackslash));
    }
    return shown;
}

} // namespace orvane
