#pragma once

#include <string>

namespace orvane::platform {

// Where the running program lives: its folder without a trailing separator, and its file
// name without extension. Which files sit beside it depends on the layout (ProgramFolders.h).
struct ProgramLocation {
    std::string folder;
    std::string executableName;
};

ProgramLocation runningProgram();

} // namespace orvane::platform
