#pragma once

#include <functional>
#include <string>

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
    // Move mode: sources still in place after their turn, for whatever reason. A file that
    // was to be moved and was not is a file not done, even when its copy is complete.
    int sourcesKept = 0;
    // Move mode: sources that something else removed after their turn, while the move step
    // looked at them: neither deleted by the run nor kept.
    int sourcesGone = 0;
    int foldersCreated = 0;
    int foldersFailed = 0;
    // Source folders whose entries could not be listed: whatever they hold was not copied.
    int foldersUnreadable = 0;

    bool anyFileLost() const {
        return filesRefusedForSpace + filesFailed + filesCancelled + sourcesKept + foldersFailed +
                   foldersUnreadable >
               0;
    }
};

// Told, as it happens, why a file or folder was not done: the path the user knows it by and
// the reason, the system's error text where there is one. The log keeps its fixed lines; a
// front end that can say more (the command-line program, on standard error) listens here.
using ProblemListener = std::function<void(const std::string& path, const std::string& reason)>;

// Told when a file's copy continues a partial copy an earlier run left: the bytes that were
// already there, of the file's size. The log keeps its lines; a front end may say more.
using ResumeListener =
    std::function<void(const std::string& path, std::int64_t resumedBytes, std::int64_t size)>;

} // namespace orvane
