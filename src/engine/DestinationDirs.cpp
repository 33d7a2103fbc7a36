#include "engine/DestinationDirs.h"

#include "engine/FileOperations.h"
#include "platform/ErrorText.h"
#include "support/FormatSize.h"

namespace orvane {

std::string MapToDestination(const RunContext& run, const std::string& sourcePath) {
    return run.paths.mapToDestination(sourcePath, run.window.txtSource.caption(),
                                      run.window.txtDestination.caption());
}

void MakeDestinationDir(const RunContext& run, const std::string& sourceFolder) {
    const std::string destination = MapToDestination(run, sourceFolder);
    // Start hands in the destination root itself, whose source is the source root.
    const std::string origin = sourceFolder == run.window.txtDestination.caption()
                                   ? run.window.txtSource.caption()
                                   : sourceFolder;
    // Below the destination box's folder a link is never followed: a link (or anything else)
    // where the folder should be is a folder that could not be made.
    const platform::TreePath entry = run.inDestination(destination);
    if (platform::isTreeFolder(entry)) {
        TakeOverExistingDir(run, destination, origin);
    } else if (const auto error = run.state.madeFolders.make(entry, origin)) {
        run.addLog("Failed to create dir: " + destination);
        ++run.state.outcome.foldersFailed;
        run.reportProblem(destination, "folder not made: " + platform::errorText(error));
    } else {
        run.addLog("Dir: " + destination + " created");
        ++run.state.outcome.foldersCreated;
    }
    run.yield();
}

void TakeOverExistingDir(const RunContext& run, const std::string& destination,
                         const std::string& sourceFolder) {
    const platform::TreePath entry = run.inDestination(destination);
    run.state.madeFolders.adoptUnfinished(entry, sourceFolder);
    platform::removeStalePartials(entry, sourceFolder);
}

void FinishDestinationDir(const RunContext& run, const std::string& destination) {
    run.state.madeFolders.finish(destination);
}

void FinishDestinationDirs(const RunContext& run) {
    run.state.madeFolders.finishAll();
}

void AddToCopyList(const RunContext& run, const std::string& sourceFile, std::int64_t size) {
    const std::string& destinationRoot = run.window.txtDestination.caption();
    // Composed in storage kept from item to item: the list's copy is the item's one allocation.
    thread_local std::string item;
    item.clear();
    item.append(sourceFile);
    item += "::";
    run.paths.appendMapped(item, sourceFile, run.window.txtSource.caption(), destinationRoot);
    run.window.lstCopy.add(item);
    // A size or a sum beyond the amount's range holds the total at the largest amount, and
    // the file that took it there is named, rather than the run ending.
    bool saturated = false;
    const Amount before = run.state.CTotalFileSize;
    run.state.CTotalFileSize =
        before.plusSaturated(Amount::fromValueSaturated(size, saturated), saturated);
    run.state.CTotalFileSizeStart = run.state.CTotalFileSize;
    if (saturated && before != run.state.CTotalFileSize) {
        run.addLog("Total size beyond " +
                   FormatSize(run.state.CTotalFileSize, run.decimalSeparator) +
                   ", held there: " + sourceFile);
    }
    run.yield();
}

} // namespace orvane
