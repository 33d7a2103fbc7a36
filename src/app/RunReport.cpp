#include "app/RunReport.h"

namespace orvane {

int ExitStatus(RunEnding ending, bool stopped, const RunOutcome& outcome) {
    if (ending == RunEnding::SourcePathError || ending == RunEnding::DestinationPathError) {
        return 2;
    }
    return stopped || outcome.anyFileLost() || ending != RunEnding::Completed ? 1 : 0;
}

std::string OutcomeSummary(const RunOutcome& outcome) {
    const auto count = [](int number, const char* what) {
        return std::to_string(number) + " " + what;
    };
    return count(outcome.filesCopied, "copied") + " (" + count(outcome.filesRecopied, "re-copied") +
           "), " + count(outcome.filesSkipped, "skipped") + ", " +
           count(outcome.filesRefusedForSpace, "refused for space") + ", " +
           count(outcome.filesFailed, "failed") + ", " +
           count(outcome.filesCancelled, "cancelled") + ", " +
           count(outcome.sourcesDeleted, "sources deleted") + ", " +
           count(outcome.sourcesKept, "sources kept") + ", " +
           count(outcome.sourcesGone, "sources already gone") + ", " +
           count(outcome.foldersCreated, "folders created") + ", " +
           count(outcome.foldersFailed, "folders failed") + ", " +
           count(outcome.foldersUnreadable, "folders unreadable");
}

} // namespace orvane
