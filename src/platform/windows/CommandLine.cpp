#include "platform/CommandLine.h"

#include "platform/windows/SystemPath.h"

#include <shellapi.h>

namespace orvane::platform {

std::vector<std::string> commandLineArguments(int, char**) {
    ::SetConsoleOutputCP(CP_UTF8);
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int index = 1; wide != nullptr && index < count; ++index) {
        arguments.push_back(narrowText(wide[index]));
    }
    ::LocalFree(wide);
    return arguments;
}

} // namespace orvane::platform
