#pragma once

#include "platform/ProgramFolders.h"

#include <string>

namespace orvane::windowlogic {

// The version history's file name for a program name without extension: every "_beta"
// removed, then "_history.txt", so a beta build reads the same file as the release.
std::string HistoryFileName(const std::string& executableName);

// The history file of a program: in its folder of shipped files, named after it.
std::string HistoryFilePath(const platform::ProgramFolders& folders);

} // namespace orvane::windowlogic
