#pragma once

#include "platform/ProgramFolders.h"

namespace orvane::platform {

// The layout and folders of the running program, from its location, the marker file, the
// environment and the user's account.
ProgramFolders runningProgramFolders();

// Makes the missing folders above the INI file and the logs folder of the installed layout,
// each readable by the user alone (mode 0700, as the XDG rules ask): on a new account
// ~/.config or ~/.local/state may not exist yet, and the store and the log save make no
// more than their last folder. The portable layout's folder exists already. A folder that
// cannot be made shows up later, as the failure to write the file inside it.
void prepareProgramFolders(const ProgramFolders& folders);

} // namespace orvane::platform
