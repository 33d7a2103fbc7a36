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
                const auto file = listed.identityOf(entry.name);
                AddToCopyList(run, run.paths.join(source, entry.name), file ? file->size : 0);
                countFileMet(run, "Files: 0/");
            }
        });
}

} // namespace

void SurveySource(const RunContext& run, const std::string& source) {
    surveyFolder(run, source, nullptr);
}

} // namespace orvane
