#pragma once

#include "platform/LocaleFacts.h"
#include "platform/SystemHandle.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::platform {

// The journal of the running session: a file in the logs folder that every log line is
// appended to as it is logged, so that whatever ends the process (a kill, a crash, a second
// stop signal) the lines written so far are on file. The file is mapped into memory and each
// line copied into the mapping: it is then in the system's page cache at once, as a write
// would put it there, without the cost of a system call per line. The file grows in steps,
// so it ends in zero bytes after the last line; lines never hold a NUL (the log escapes it). The
// process holds a lock on it for its whole life; the system drops that lock when the process ends,
// however it ends, which is how a later start tells a journal whose session ended without closing
// from one still in use.
class JournalFile {
public:
    using DayFileNamer = std::function<std::string(const LocalTime&)>;

    // A new journal in the folder, named "session-PID-N.journal", already locked. `dayFile`
    // gives the path of a day's log file; `closingBytes` is what follows the journal's lines
    // when saveJournalNow() puts them there. Null when the journal cannot be made.
    static std::unique_ptr<JournalFile> create(const std::string& folder, DayFileNamer dayFile,
                                               std::string closingBytes);
    ~JournalFile();
    JournalFile(const JournalFile&) = delete;
    JournalFile& operator=(const JournalFile&) = delete;

    // False once a write has failed (the file could not grow: the disk is full); later calls
    // then write nothing, and the file keeps the lines written before.
    // A line and its end are given apart and appended as one: neither is on file without the
    // other, and the line is not copied first.
    bool append(std::string_view bytes, std::string_view end = {});
    // The system's text for the failure that stopped the journal; empty while it works.
    std::string failureReason() const;
    // Removes the journal: its lines have reached the day's file.
    void remove();
    const std::string& path() const { return path_; }

private:
    // Takes over the open, locked file at the path.
    JournalFile(SystemHandle file, std::string path, DayFileNamer dayFile);

    void followDay();

    bool reserve(std::size_t size);
    void unmap();

    SystemHandle file_;
    std::string path_;
    char* map_ = nullptr;
    std::size_t capacity_ = 0;
    std::size_t used_ = 0;
    DayFileNamer dayFile_;
    long long nextDayStarts_ = 0;
    int failure_ = 0;
};

// A journal left by a session that ended without closing, claimed (locked) by this process
// until it is released or removed, so two starting programs never recover it twice.
struct OrphanJournal {
    std::string path;
    std::string bytes;
    // Its lines, without the zero bytes after them.
    // When its last line was written: the session ended then, so its lines belong to the
    // log file of that day.
    LocalTime lastWritten;
    std::shared_ptr<void> lock;
};
// The journals in the folder whose process is gone and that belong to the user running the
// program. Entries named like a journal that are not one (a link, a FIFO, another user's
// file) are left alone and added to `skipped` as "PATH: why".
std::vector<OrphanJournal> claimOrphanJournals(const std::string& folder,
                                               std::vector<std::string>& skipped);
// Removes a recovered journal; its lock goes with it.
void removeOrphanJournal(OrphanJournal& journal);

// For the stop-signal handler: appends the running session's journal and its closing bytes
// to the day's file and removes the journal, using only calls that are safe in a signal
// handler. False when there is no journal or the day's file could not be written, in which
// case the journal is kept for the next start.
bool saveJournalNow() noexcept;

} // namespace orvane::platform
