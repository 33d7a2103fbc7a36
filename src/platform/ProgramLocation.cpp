#include "platform/ProgramLocation.h"

#include "platform/PathRules.h"
#include "platform/ProgramLocationSystem.h"

namespace orvane::platform {

namespace {

std::string withoutExtension(std::string name) {
    const auto dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) {
        name.erase(dot);
    }
    return name;
}

} // namespace

ProgramLocation runningProgram() {
    const std::string path = executablePath();
    std::string folder = nativePathRules.folderPart(path);
    // A root keeps its separator ("/", "C:\"), as every folder text of the program does.
    if (!folder.empty() && !nativePathRules.isRoot(folder)) {
        folder.pop_back();
    }
    return {folder.empty() ? std::string(".") : folder,
            withoutExtension(nativePathRules.lastPart(path))};
}

} // namespace orvane::platform
