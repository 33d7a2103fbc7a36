#pragma once

#include "platform/SystemHandle.h"

#include <string>
#include <string_view>

namespace orvane::platform {

// A day's log file opened for appending one session's block, created when missing (mode 0666
// less the umask) and never truncated below what it held. The descriptor is closed when the
// object goes out of scope.
//
// Only a regular file is used: a link in its place is not followed and a FIFO is not waited
// on. Every session appends its block under an exclusive lock on the file, held from opening
// to closing, so two sessions closing at once never interleave their lines. A block that
// fails half-way is taken back: closing cuts the file to the length it had when the lock was
// taken, so the next block never follows half a line.
//
// Only the first failure is kept: once opening or a write has failed, later writes do
// nothing, so a caller can write everything and check once at the end.
class AppendFile {
public:
    explicit AppendFile(const std::string& path);
    ~AppendFile();

    AppendFile(const AppendFile&) = delete;
    AppendFile& operator=(const AppendFile&) = delete;

    bool isOpen() const { return file_.isValid(); }
    bool failed() const { return error_ != 0; }
    // The system's text for the first failure ("not a regular file" for a link or a FIFO);
    // empty when there was none.
    std::string failureReason() const;

    // Writes all the bytes, going on after short writes and interruptions. False when the
    // file is not open, an earlier call failed, or this one fails.
    bool write(std::string_view bytes);

    // Closes the file and reports whether everything written since opening went well,
    // the close included (a network file system may report a lost write only here). After
    // a failure the file is first cut back to its length before this block.
    bool close();

private:
    SystemHandle file_;
    int error_ = 0;
    long long lengthBefore_ = 0;
};

} // namespace orvane::platform
