#pragma once

#include "platform/ProgramLocation.h"

#include <string>

namespace orvane::windows {

// The version history's file name for a program name without extension: every "_beta"
// removed, then "_history.txt", so a beta build reads the same file as the release.
std::string HistoryFileName(const std::string& executableName);

// The history file of a program: beside the executable, named after it.
std::string HistoryFilePath(const platform::ProgramLocation& program);

} // namespace orvane::windows
