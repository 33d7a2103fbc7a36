#include "engine/DirectCopyTree.h"

#include "engine/DestinationDirs.h"
#include "engine/PlaceFile.h"
#include "engine/TreeSteps.h"

namespace orvane {

namespace {

void walkFolder(const RunContext& run, const std::string& source, const std::string& destination,
                const platform::SourceFolder* parent) {
    // Numbered log lines restart in every folder of the walk.
    std::int32_t FileNumber = 0;
    const platform::SourceFolder folder = openListedFolder(run, source, parent);
    // Each file's paths: the folders', joined once, and the name after them.
    FilePair pair{run.paths.join(source, ""), run.paths.join(destination, ""), {}, &folder};
    const std::size_t sourceLength = pair.source.size(),
                      destinationLength = pair.destination.size();
    forEachRunEntry(
        run, source, folder,
        [&](const platform::DirectoryEntry& entry, const platform::SourceFolder& listed) {
            if (entry.isFolder) {
                if (const auto subFolder = subFolderToDescend(run, source, entry.name)) {
                    MakeDestinationDir(run, *subFolder);
                    walkFolder(run, *subFolder, run.paths.join(destination, entry.name), &listed);
                }
                countFolderEntry(run, entry.name);
            } else {
                pair.source.resize(sourceLength);
                pair.source += entry.name;
                pair.destination.resize(destinationLength);
                pair.destination += entry.name;
                pair.name = entry.name;
                PlaceFile(run, pair, FileNumber, entry.name);
                countFileMet(run, "Files: ");
            }
        });
    FinishDestinationDir(run, destination);
}

} // namespace

void DirectCopyTree(const RunContext& run, const std::string& source,
                    const std::string& destination) {
    walkFolder(run, source, destination, nullptr);
}

} // namespace orvane
