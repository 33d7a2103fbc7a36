#include "engine/TreeSteps.h"

#include "platform/ErrorText.h"
#include "platform/FileSystem.h"
#include "support/DecimalText.h"

#include <cstdint>

namespace orvane {

void noteUnreadableFolder(const RunContext& run, const std::string& folder,
                          const platform::SystemError& error) {
    ++run.state.outcome.foldersUnreadable;
    run.reportProblem(folder, "folder not read: " + platform::errorText(error));
    if (!run.state.pendingError.error) {
        run.state.pendingError = {error, "Cannot read the folder " + folder + " (" +
                                             platform::errorText(error) + ")"};
    }
}

platform::SourceFolder openListedFolder(const RunContext& run, const std::string& folder,
                                        const platform::SourceFolder* parent) {
    return parent ? platform::SourceFolder(*parent, run.paths.lastPart(folder))
                  : platform::SourceFolder(folder);
}

std::optional<std::string> subFolderToDescend(const RunContext& run, const std::string& source,
                                              const std::string& name) {
    if (name == "." || name == ".." || !run.paths.descendsInto(source)) {
        return std::nullopt;
    }
    std::string subFolder = run.paths.join(source, name);
    if (platform::sameFolder(subFolder, run.window.txtDestination.caption())) {
        return std::nullopt;
    }
    return subFolder;
}

void countFolderEntry(const RunContext& run, const std::string& name) {
    if (name != ".." && run.state.DirCount < INT16_MAX) {
        ++run.state.DirCount;
    }
}

void countFileMet(const RunContext& run, std::string_view prefix) {
    auto& bar = run.window.pbTotalFiles;
    bar.setMax(bar.Max() + 1);
    run.window.lblInfo[0].composeCaption([&](std::string& caption) {
        caption += prefix;
        AppendDecimal(caption, bar.Max());
    });
}

} // namespace orvane
