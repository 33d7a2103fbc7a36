#include "engine/DirectCopyTree.h"

#include "engine/DestinationDirs.h"
#include "engine/PlaceFile.h"
#include "engine/TreeSteps.h"

namespace orvane {

namespace {

void walkFolder(const RunContext& run, const std::string& source, const std::string& destination,
                const platform::DirectoryReader* parent) {
    // Numbered log lines restart in every folder of the walk.
    std::int32_t FileNumber = 0;
    forEachRunEntry(
        run, source, parent,
        [&](const platform::DirectoryEntry& entry, const platform::DirectoryReader& listing) {
            if (entry.isFolder) {
                if (const auto subFolder = subFolderToDescend(run, source, entry.name)) {
                    MakeDestinationDir(run, *subFolder);
                    walkFolder(run, *subFolder, run.paths.join(destination, entry.name), &listing);
                }
                countFolderEntry(run, entry.name);
            } else {
                const FilePair pair{run.paths.join(source, entry.name),
                                    run.paths.join(destination, entry.name)};
                PlaceFile(run, pair, FileNumber, entry.name);
                countFileMet(run, "Files: ");
            }
        });
}

} // namespace

void DirectCopyTree(const RunContext& run, const std::string& source,
                    const std::string& destination) {
    walkFolder(run, source, destination, nullptr);
}

} // namespace orvane
