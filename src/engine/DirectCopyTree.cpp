#include "engine/DirectCopyTree.h"

#include "engine/DestinationDirs.h"
#include "engine/FileOperations.h"
#include "engine/PlaceFile.h"
#include "engine/TreeSteps.h"

namespace orvane {

void DirectCopyTree(const RunContext& run, const std::string& source,
                    const std::string& destination) {
    // Numbered log lines restart in every folder of the walk.
    std::int32_t FileNumber = 0;
    forEachRunEntry(
        run, source, [&](const platform::DirectoryEntry& entry, const platform::DirectoryReader&) {
            if (entry.isFolder) {
                if (const auto subFolder = subFolderToDescend(run, source, entry.name)) {
                    MakeDestinationDir(run, *subFolder);
                    DirectCopyTree(run, *subFolder, run.paths.join(destination, entry.name));
                }
                countFolderEntry(run, entry.name);
            } else {
                const FilePair pair{run.paths.join(source, entry.name),
                                    run.paths.join(destination, entry.name)};
                PlaceFile(run, pair, FileNumber, entry.name);
                countFileMet(run, "Files: ");
            }
        });
    FinishFolder(run, destination);
}

} // namespace orvane
