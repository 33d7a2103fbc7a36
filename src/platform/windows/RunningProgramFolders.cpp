#include "platform/RunningProgramFolders.h"

#include "platform/ProgramLocation.h"

namespace orvane::platform {

// The Windows program is a portable folder: its INI file and logs sit beside the executable.
ProgramFolders runningProgramFolders() {
    LayoutFacts facts;
    facts.program = runningProgram();
    return chooseProgramFolders(facts);
}

void prepareProgramFolders(const ProgramFolders&) {
    // The portable layout's folder exists already.
}

} // namespace orvane::platform
