#include "engine/FileOperations.h"

#include "platform/FileSystem.h"
#include "platform/PathRules.h"

namespace orvane {

bool FolderExists(const std::string& path) {
    return platform::folderExists(path);
}

bool FileExists(const std::string& path) {
    return platform::fileExists(path);
}

bool CreateFolder(const RunContext& run, const std::string& path, const std::string& sourceFolder) {
    return run.state.madeFolders.make(path, sourceFolder);
}

void FinishFolder(const RunContext& run, const std::string& path) {
    run.state.madeFolders.finish(path);
}

void FinishFolders(const RunContext& run) {
    run.state.madeFolders.finishAll();
}

void RemoveFolder(const std::string& path) {
    platform::removeFolder(path);
}

void RemoveFile(const std::string& path) {
    platform::deleteFile(path);
}

std::string LastPathPart(const std::string& path) {
    return platform::nativePathRules.lastPart(path);
}

} // namespace orvane
