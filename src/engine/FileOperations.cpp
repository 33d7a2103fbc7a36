#include "engine/FileOperations.h"

#include "platform/FileSystem.h"
#include "platform/PathRules.h"

namespace orvane {

bool FolderExists(const std::string& path) {
    return platform::folderExists(path);
}

void RemoveFolder(const std::string& path) {
    platform::removeFolder(path);
}

std::string LastPathPart(const std::string& path) {
    return platform::nativePathRules.lastPart(path);
}

} // namespace orvane
