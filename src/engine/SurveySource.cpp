#include "engine/SurveySource.h"

#include "engine/DestinationDirs.h"
#include "engine/TreeSteps.h"

namespace orvane {

namespace {

void surveyFolder(const RunContext& run, const std::string& source,
                  const platform::DirectoryReader* parent) {
    forEachRunEntry(
        run, source, parent,
        [&](const platform::DirectoryEntry& entry, const platform::DirectoryReader& listing) {
            if (entry.isFolder) {
                if (const auto subFolder = subFolderToDescend(run, source, entry.name)) {
                    MakeDestinationDir(run, *subFolder);
                    surveyFolder(run, *subFolder, &listing);
                }
                countFolderEntry(run, entry.name);
            } else {
                // A file that vanished since it was listed counts as empty here; its turn in the
                // list run reports it.
                AddToCopyList(run, run.paths.join(source, entry.name),
                              listing.sizeOf(entry.name).value_or(0));
                countFileMet(run, "Files: 0/");
            }
        });
}

} // namespace

void SurveySource(const RunContext& run, const std::string& source) {
    surveyFolder(run, source, nullptr);
}

} // namespace orvane
