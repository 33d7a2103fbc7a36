#include "engine/SurveySource.h"

#include "engine/DestinationDirs.h"
#include "engine/TreeSteps.h"

namespace orvane {

void SurveySource(const RunContext& run, const std::string& source) {
    forEachRunEntry(run, source, [&](const platform::DirectoryEntry& entry) {
        if (entry.isFolder) {
            if (const auto subFolder = subFolderToDescend(run, source, entry.name)) {
                MakeDestinationDir(run, *subFolder);
                SurveySource(run, *subFolder);
            }
            countFolderEntry(run, entry.name);
        } else {
            AddToCopyList(run, run.paths.join(source, entry.name));
            countFileMet(run, "Files: 0/");
        }
    });
}

} // namespace orvane
