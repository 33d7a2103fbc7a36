#pragma once

#include <string>

namespace orvane::platform {

// Where the running program lives: its folder without a trailing separator, and its file
// name without extension. The INI file and the logs folder sit beside it.
struct ProgramLocation {
    std::string folder;
    std::string executableName;
};

ProgramLocation runningProgram();

} // namespace orvane::platform
