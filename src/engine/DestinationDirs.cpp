#include "engine/DestinationDirs.h"

#include "engine/FileOperations.h"

namespace orvane {

std::string MapToDestination(const RunContext& run, const std::string& sourcePath) {
    return run.paths.mapToDestination(sourcePath, run.window.txtSource.caption(),
                                      run.window.txtDestination.caption());
}

void MakeDestinationDir(const RunContext& run, const std::string& sourceFolder) {
    const std::string destination = MapToDestination(run, sourceFolder);
    // Below the destination box's folder a link is never followed: a link (or anything else)
    // where the folder should be is a folder that could not be made.
    const platform::TreePath entry = run.inDestination(destination);
    if (!platform::isTreeFolder(entry)) {
        if (platform::makeTreeFolder(entry)) {
            run.addLog("Dir: " + destination + " created");
            ++run.state.outcome.foldersCreated;
        } else {
            run.addLog("Failed to create dir: " + destination);
            ++run.state.outcome.foldersFailed;
        }
    }
    run.yield();
}

void AddToCopyList(const RunContext& run, const std::string& sourceFile, std::int64_t size) {
    const std::string destination = MapToDestination(run, sourceFile);
    run.window.lstCopy.add(sourceFile + "::" + destination);
    run.state.CTotalFileSize += Amount::fromValue(size);
    run.state.CTotalFileSizeStart = run.state.CTotalFileSize;
    run.yield();
}

} // namespace orvane
