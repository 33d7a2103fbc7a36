#pragma once

namespace orvane {

// What became of the entries of one run. These counts never change a log line; the
// command-line program turns them into its exit status and summary.
struct RunOutcome {
    int filesCopied = 0;
    int filesSkipped = 0;
    int filesRecopied = 0;
    int filesRefusedForSpace = 0;
    int filesFailed = 0;
    int filesCancelled = 0;
    int sourcesDeleted = 0;
    int foldersCreated = 0;
    int foldersFailed = 0;

    bool anyFileLost() const {
        return filesRefusedForSpace + filesFailed + filesCancelled + foldersFailed > 0;
    }
};

} // namespace orvane
