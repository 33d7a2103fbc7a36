#include "windowlogic/ProgramArguments.h"

#include <algorithm>
#include <cctype>

namespace orvane::windowlogic {

std::string ArgumentText(const std::vector<std::string>& arguments) {
    std::string text;
    for (const std::string& argument : arguments) {
        if (!text.empty()) {
            text += ' ';
        }
        text += argument;
    }
    return text;
}

std::string ArgumentTextOf(const std::string& commandLine) {
    // The name ends at its closing quote when it starts with one, else at the first blank.
    std::size_t end = 0;
    if (commandLine.starts_with('"')) {
        end = commandLine.find('"', 1);
        end = end == std::string::npos ? commandLine.size() : end + 1;
    } else {
        end = commandLine.find_first_of(" \t");
        end = end == std::string::npos ? commandLine.size() : end;
    }
    const std::size_t start = commandLine.find_first_not_of(" \t", end);
    return start == std::string::npos ? std::string() : commandLine.substr(start);
}

bool IsDebugArgument(const std::string& argumentText) {
    std::string lower = argumentText;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower == "-debug";
}

} // namespace orvane::windowlogic
