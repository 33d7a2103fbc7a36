#include "engine/DestinationDirs.h"

#include "engine/FileOperations.h"
#include "platform/FileSystem.h"

namespace orvane {

std::string MapToDestination(const RunContext& run, const std::string& sourcePath) {
    return run.paths.mapToDestination(sourcePath, run.window.txtSource.caption(),
                                      run.window.txtDestination.caption());
}

void MakeDestinationDir(const RunContext& run, const std::string& sourceFolder) {
    const std::string destination = MapToDestination(run, sourceFolder);
    if (!FolderExists(destination)) {
        if (CreateFolder(destination)) {
            run.addLog("Dir: " + destination + " created");
            ++run.state.outcome.foldersCreated;
        } else {
            run.addLog("Failed to create dir: " + destination);
            ++run.state.outcome.foldersFailed;
        }
    }
    run.yield();
}

void AddToCopyList(const RunContext& run, const std::string& sourceFile) {
    const std::string destination = MapToDestination(run, sourceFile);
    run.window.lstCopy.add(sourceFile + "::" + destination);
    // A file that vanished since it was listed counts as empty here; its copy step reports it.
    const std::int64_t size = platform::fileSize(sourceFile).value_or(0);
    run.state.CTotalFileSize += Amount::fromValue(size);
    run.state.CTotalFileSizeStart = run.state.CTotalFileSize;
    run.yield();
}

} // namespace orvane
