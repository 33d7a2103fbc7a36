#include "support/ShownText.h"

#include <cstdint>
#include <cstring>

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

// Eight bytes at a time, the look that finds nothing in nearly every name and path: whether
// any byte of the word is below 0x20, above 0x7e, or (when asked) a backslash. Exact for the
// word as a whole; the byte itself is then found one by one.
bool wordMayNeedEscape(std::uint64_t word, bool escapeBackslash) {
    constexpr std::uint64_t ones = 0x0101010101010101, highs = 0x8080808080808080;
    const auto hasZero = [](std::uint64_t bytes) { return (bytes - ones) & ~bytes & highs; };
    const std::uint64_t below = (word - 0x20 * ones) & ~word & highs;
    return ((word & highs) | below | hasZero(word ^ (0x7f * ones)) |
            (escapeBackslash ? hasZero(word ^ ('\\' * ones)) : 0)) != 0;
}

// Where the first byte that needs a closer look is, or the text's size.
std::size_t plainPrefix(std::string_view text, bool escapeBackslash) {
    constexpr std::size_t kWord = sizeof(std::uint64_t);
    std::size_t at = 0;
    std::uint64_t word = 0;
    for (; at + kWord <= text.size(); at += kWord) {
        std::memcpy(&word, text.data() + at, kWord);
        if (wordMayNeedEscape(word, escapeBackslash)) {
            break;
        }
    }
    // The bytes short of a whole word at the end, as the last word of the text.
    if (at < text.size() && text.size() >= kWord && at + kWord > text.size()) {
        std::memcpy(&word, text.data() + text.size() - kWord, kWord);
        if (!wordMayNeedEscape(word, escapeBackslash)) {
            return text.size();
        }
    }
    while (at < text.size() &&
           !mayNeedEscape(static_cast<unsigned char>(text[at]), escapeBackslash)) {
        ++at;
    }
    return at;
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

void AppendShownText(std::string& shown, std::string_view text, const platform::PathRules& paths) {
    const bool escapeBackslash = paths.separator() != '\\';
    std::size_t plain = plainPrefix(text, escapeBackslash);
    shown.append(text.substr(0, plain));
    text.remove_prefix(plain);
    while (!text.empty()) {
        text.remove_prefix(appendShown(shown, text, escapeBackslash));
        plain = plainPrefix(text, escapeBackslash);
        shown.append(text.substr(0, plain));
        text.remove_prefix(plain);
    }
}

std::string ShownText(std::string text, const platform::PathRules& paths) {
    // Nearly every line holds nothing to look at closer: it is passed on without a copy.
    if (plainPrefix(text, paths.separator() != '\\') == text.size()) {
        return text;
    }
    std::string shown;
    shown.reserve(text.size() + 8);
    AppendShownText(shown, text, paths);
    return shown;
}

} // namespace orvane
