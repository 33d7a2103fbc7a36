#pragma once

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

namespace orvane::test {

// Log lines with their leading file number replaced by "#", sorted: the system's listing
// order decides which file gets which number, and in what order the lines come, but not
// which lines there are.
inline std::vector<std::string> inAnyOrder(std::vector<std::string> lines) {
    static const std::regex number("^[0-9]+\\. ");
    for (auto& line : lines) {
        line = std::regex_replace(line, number, "#. ");
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

} // namespace orvane::test
