#include "engine/SurveySource.h"

#include "engine/DestinationDirs.h"
#include "engine/TreeSteps.h"

namespace orvane {

namespace {

void surveyFolder(const RunContext& run, const std::string& source,
                  const platform::SourceFolder* parent) {
    const platform::SourceFolder folder = openListedFolder(run, source, parent);
    if (folder.isOpen()) {
        run.state.listedFolders[source] = folder.identity();
    }
    // Each file's path: the folder's, joined once, and the name after it.
    std::string file = run.paths.join(source, "");
    const std::size_t folderLength = file.size();
    forEachRunEntry(
        run, source, folder,
        [&](const platform::DirectoryEntry& entry, const platform::SourceFolder& listed) {
            if (entry.isFolder) {
                if (const auto subFolder = subFolderToDescend(run, source, entry.name)) {
                    MakeDestinationDir(run, *subFolder);
                    surveyFolder(run, *subFolder, &listed);
                }
                countFolderEntry(run, entry.name);
            } else {
                // A file that vanished since it was listed counts as empty here; its turn in the
                // list run reports it.
                const auto identity = listed.identityOf(entry.name);
                file.resize(folderLength);
                file += entry.name;
                AddToCopyList(run, file, identity ? identity->size : 0);
                countFileMet(run, "Files: 0/");
            }
        });
}

} // namespace

void SurveySource(const RunContext& run, const std::string& source) {
    surveyFolder(run, source, nullptr);
}

} // namespace orvane
