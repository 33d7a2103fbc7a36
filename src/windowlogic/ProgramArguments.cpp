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

bool IsDebugArgument(const std::string& argumentText) {
    std::string lower = argumentText;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower == "-debug";
}

} // namespace orvane::windowlogic
