#include "platform/RunningProgramFolders.h"

#include "platform/FileSystem.h"
#include "platform/PathRules.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace orvane::platform {

namespace {

std::optional<std::string> environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::nullopt : std::optional<std::string>(value);
}

std::string accountHome() {
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    struct passwd entry {};
    struct passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 ||
        found == nullptr || found->pw_dir == nullptr) {
        return {};
    }
    return found->pw_dir;
}

// Makes every missing folder of an absolute path, from the top down.
void makeFolderChain(const std::string& path) {
    for (std::size_t cut = path.find('/', 1); cut != std::string::npos;
         cut = path.find('/', cut + 1)) {
        ::mkdir(path.substr(0, cut).c_str(), 0700);
    }
    ::mkdir(path.c_str(), 0700);
}

} // namespace

ProgramFolders runningProgramFolders() {
    LayoutFacts facts;
    facts.program = runningProgram();
    facts.installedMarker = fileExists(installedMarkerPath(facts.program.folder));
    if (facts.installedMarker) {
        facts.home = environmentValue("HOME");
        facts.xdgConfigHome = environmentValue("XDG_CONFIG_HOME");
        facts.xdgStateHome = environmentValue("XDG_STATE_HOME");
        facts.accountHome = accountHome();
    }
    return chooseProgramFolders(facts);
}

void prepareProgramFolders(const ProgramFolders& folders) {
    if (folders.layout != ProgramLayout::Installed) {
        return;
    }
    makeFolderChain(folders.settings);
    makeFolderChain(nativePathRules.folderPart(folders.logs));
}

} // namespace orvane::platform
