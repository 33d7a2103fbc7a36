#pragma once

#include "platform/ProgramLocation.h"

#include <optional>
#include <string>

namespace orvane::platform {

// Where the program keeps what it reads and writes, in one of two layouts:
//
// - Portable (the build folder, or a copy of the program in any folder of the user's): the
//   INI file, the "logs" folder and the history file sit beside the executable.
// - Installed (the package, or `cmake --install` to any prefix): the history file is read
//   from <prefix>/share/orvane, the INI file lives in $XDG_CONFIG_HOME/orvane and the log
//   files in $XDG_STATE_HOME/orvane/logs. A system folder such as /usr/bin is nobody's to
//   write, so the per-user files go where the user's desktop keeps them.
//
// An installation is told by a marker file that only the install rules put in place:
// <prefix>/share/orvane/installed-layout, where <prefix> is the parent of the executable's
// folder. A copied or freshly built program has no such file beside its parent folder, and
// an installation moved to another prefix takes its marker along.
enum class ProgramLayout { Portable, Installed };

struct ProgramFolders {
    ProgramLayout layout = ProgramLayout::Portable;
    std::string executableName;
    std::string settings; // holds the INI file
    std::string logs;     // holds the day's log files
    std::string data;     // holds the shipped read-only files: the history file

    // The INI file's folder and name, in the form the settings store takes.
    ProgramLocation settingsLocation() const { return {settings, executableName}; }
};

// What the choice depends on, as found on the system.
struct LayoutFacts {
    ProgramLocation program;
    bool installedMarker = false;
    // Environment values as they are; nullopt when the variable is unset.
    std::optional<std::string> home, xdgConfigHome, xdgStateHome;
    // The user's home folder from the account database; empty when there is none.
    std::string accountHome;
};

inline constexpr const char* kInstalledMarkerName = "installed-layout";

// The marker file an installation of a program in this folder would have.
std::string installedMarkerPath(const std::string& programFolder);

// The layout and its folders. An XDG variable that is unset, empty or not an absolute path is
// ignored, as the XDG rules ask, and its default below the home folder used. The home folder
// is $HOME when that is absolute, else the account's home, else "/" (which only root could
// write, and root always has an account).
ProgramFolders chooseProgramFolders(const LayoutFacts& facts);

} // namespace orvane::platform
