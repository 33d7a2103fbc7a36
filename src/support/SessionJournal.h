#pragma once

#include "platform/JournalFile.h"

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// The line that closes the block of a session whose lines reached the day's file from its
// journal, because the session ended without closing (killed, crashed, or ended by a second
// stop signal).
inline constexpr const char* kUnclosedSessionLine =
    "Session ended without closing (recovered from its journal)";

// The running session's journal: every log line, as it is logged, in a file of its own in the
// logs folder. A normal close saves the log to the day's file and removes the journal; a
// session that does not close leaves it for the next start, or for the stop-signal handler.
//
// When the journal cannot grow (the logs folder's disk is full) the session goes on without
// it: the journal keeps the lines it holds, says so once on `errors`, and hands back a line
// for the log, so the day's file tells why a later crash could not be recovered whole.
class SessionJournal {
public:
    // Null when the journal cannot be made; the session then simply has none.
    static std::unique_ptr<SessionJournal> open(const std::string& logsFolder,
                                                std::ostream& errors);
    SessionJournal(std::unique_ptr<platform::JournalFile> file, std::ostream& errors)
        : file_(std::move(file)), errors_(errors) {}

    // The line to log when this line was the first the journal could not take.
    std::optional<std::string> add(std::string_view line);
    void remove();

private:
    std::unique_ptr<platform::JournalFile> file_;
    std::ostream& errors_;
    bool stopped_ = false;
};

// Appends every journal in the logs folder whose process is gone to the log file of the day
// of its last line, followed by kUnclosedSessionLine and the two empty lines that end every
// block, and removes it. A journal whose day's file cannot be written stays for a later
// start; an empty journal is only removed. Entries named like a journal that are not this user's
// journal (a link, a FIFO, another user's file) are left alone, one line each on `errors`. Returns
// how many were recovered.
int RecoverJournals(const std::string& logsFolder, std::ostream& errors);

} // namespace orvane
