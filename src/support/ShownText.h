#pragma once

#include "platform/PathRules.h"

#include <string>

namespace orvane {

// Text from outside (a file or folder name, a path) as a log line or a caption shows it:
// each C0 control character and DEL is written as an escape, so that a name cannot break a
// line or forge one. LF, CR and TAB read \n, \r and \t; the others \x and two lower-case hex
// digits (\x00, \x1b, \x7f); a backslash reads \\ so that the form reads back unambiguously,
// except where it is the path separator: a name cannot hold one there, and a path shows each
// of its separators once. Every other byte, UTF-8 or not, stays as it is.
std::string ShownText(std::string text,
                      const platform::PathRules& paths = platform::nativePathRules);

} // namespace orvane
