#pragma once

#include "platform/PathRules.h"

#include <string>
#include <string_view>

namespace orvane {

// Text from outside (a file or folder name, a path) as a log line, a caption or a line on the
// terminal shows it: each control character is written as an escape, so that a name cannot
// break a line, forge one, or steer the terminal. LF, CR and TAB read \n, \r and \t; the
// other C0 controls and DEL \x and two lower-case hex digits (\x00, \x1b, \x7f). The C1
// controls are escaped byte by byte the same way: U+0080 to U+009F as their two UTF-8 bytes
// (U+009B reads \xc2\x9b), and a byte from 0x80 to 0x9F that is no part of a UTF-8 character
// as itself (\x9b), since a terminal that reads 8-bit text takes it for a control. A backslash
// reads \\ so that the form reads back unambiguously, except where it is the path separator:
// a name cannot hold one there, and a path shows each of its separators once. Every other
// byte, UTF-8 or not, stays as it is.
std::string ShownText(std::string text,
                      const platform::PathRules& paths = platform::nativePathRules);

// Appends the text as ShownText shows it: for the texts composed once per file, in place.
void AppendShownText(std::string& shown, std::string_view text,
                     const platform::PathRules& paths = platform::nativePathRules);

} // namespace orvane
