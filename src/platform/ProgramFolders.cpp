#include "platform/ProgramFolders.h"

#include "platform/PathRules.h"

namespace orvane::platform {

namespace {

bool isAbsolute(const std::optional<std::string>& value) {
    return value && value->starts_with('/');
}

// Trailing separators dropped, so that names join with one separator; "/" stays itself.
std::string withoutTrailingSeparators(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    return folder;
}

std::string parentFolder(const std::string& folder) {
    const std::string parent = withoutTrailingSeparators(nativePathRules.folderPart(folder));
    return parent.empty() ? std::string("/") : parent;
}

std::string homeFolder(const LayoutFacts& facts) {
    if (isAbsolute(facts.home)) {
        return withoutTrailingSeparators(*facts.home);
    }
    if (facts.accountHome.starts_with('/')) {
        return withoutTrailingSeparators(facts.accountHome);
    }
    return "/";
}

// An XDG base folder: the variable when it holds an absolute path, else the default below
// the home folder.
std::string baseFolder(const std::optional<std::string>& variable, const std::string& home,
                       const char* defaultBelowHome) {
    if (isAbsolute(variable)) {
        return withoutTrailingSeparators(*variable);
    }
    return nativePathRules.join(home, defaultBelowHome);
}

std::string packageDataFolder(const std::string& programFolder) {
    return nativePathRules.join(nativePathRules.join(parentFolder(programFolder), "share"),
                                "orvane");
}

} // namespace

std::string installedMarkerPath(const std::string& programFolder) {
    return nativePathRules.join(packageDataFolder(programFolder), kInstalledMarkerName);
}

ProgramFolders chooseProgramFolders(const LayoutFacts& facts) {
    const std::string& programFolder = facts.program.folder;
    if (!facts.installedMarker) {
        return {ProgramLayout::Portable, facts.program.executableName, programFolder,
                nativePathRules.join(programFolder, "logs"), programFolder};
    }
    const std::string home = homeFolder(facts);
    const std::string config = baseFolder(facts.xdgConfigHome, home, ".config");
    const std::string state = baseFolder(facts.xdgStateHome, home, ".local/state");
    return {ProgramLayout::Installed, facts.program.executableName,
            nativePathRules.join(config, "orvane"),
            nativePathRules.join(nativePathRules.join(state, "orvane"), "logs"),
            packageDataFolder(programFolder)};
}

} // namespace orvane::platform
