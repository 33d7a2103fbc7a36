#include "platform/CommandLine.h"

#include "platform/windows/SystemPath.h"

#include <shellapi.h>

#include <algorithm>

namespace orvane::platform {

std::vector<std::string> commandLineArguments(int, char**) {
    ::SetConsoleOutputCP(CP_UTF8);
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int index = 1; wide != nullptr && index < count; ++index) {
        // Windows takes "/" as a separator too, and so do its users; the program's path rules
        // know "\" alone. Every argument that is not an option is a path.
        std::string argument = narrowText(wide[index]);
        if (!argument.starts_with("--")) {
            std::replace(argument.begin(), argument.end(), '/', '\\');
        }
        arguments.push_back(std::move(argument));
    }
    ::LocalFree(wide);
    return arguments;
}

} // namespace orvane::platform
