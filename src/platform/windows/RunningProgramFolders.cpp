#include "platform/RunningProgramFolders.h"

#include "platform/FileSystem.h"
#include "platform/PathRules.h"
#include "platform/windows/SystemPath.h"

namespace orvane::platform {

namespace {

// A folder the system names for the user in the environment (APPDATA, LOCALAPPDATA); empty
// when it is not set.
std::string userFolder(const wchar_t* variable) {
    std::wstring value(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetEnvironmentVariableW(variable, value.data(), static_cast<DWORD>(value.size()));
        if (length < value.size()) {
            value.resize(length);
            return narrowText(value);
        }
        value.resize(length);
    }
}

} // namespace

// A copy of the program in any folder of the user's (the portable zip, the build folder)
// keeps its INI file and logs beside the executable. An installed one (the MSI puts a marker
// file beside it) cannot: Program Files is not its users' to write. Its INI file is then the
// user's own, in %APPDATA%\Orvane, which roams with a domain account, and its logs stay on the
// machine, in %LOCALAPPDATA%\Orvane\logs; the version history is read beside the executable.
ProgramFolders runningProgramFolders() {
    LayoutFacts facts;
    facts.program = runningProgram();
    const std::string roaming = userFolder(L"APPDATA");
    const std::string local = userFolder(L"LOCALAPPDATA");
    if (!fileExists(nativePathRules.join(facts.program.folder, kInstalledMarkerName)) ||
        roaming.empty() || local.empty()) {
        return chooseProgramFolders(facts);
    }
    return {ProgramLayout::Installed, facts.program.executableName,
            nativePathRules.join(roaming, "Orvane"),
            nativePathRules.join(nativePathRules.join(local, "Orvane"), "logs"),
            facts.program.folder};
}

void prepareProgramFolders(const ProgramFolders& folders) {
    if (folders.layout != ProgramLayout::Installed) {
        return;
    }
    // The user's own folders exist on every account; only the program's folder in each is made
    // here, and the logs folder by the first save, as in the portable layout.
    ::CreateDirectoryW(systemPath(folders.settings).c_str(), nullptr);
    ::CreateDirectoryW(systemPath(nativePathRules.folderPart(folders.logs)).c_str(), nullptr);
}

} // namespace orvane::platform
