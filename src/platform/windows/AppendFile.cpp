#include "platform/AppendFile.h"

#include "platform/OwnFile.h"
#include "platform/windows/SystemPath.h"

namespace orvane::platform {

namespace {

// The whole file, for the lock that makes one session's block whole. The wait is bounded: a
// session that never lets go (a hung process) must not hang this one, least of all its stop
// handler; the save then fails, and the block stays in the journal. False only then: a file
// system without locks still gets the block, as before there were locks.
constexpr int kLockTries = 100;
constexpr DWORD kLockPauseMs = 20;

bool lockAll(HANDLE file) {
    for (int tries = 0; tries < kLockTries; ++tries) {
        OVERLAPPED start{};
        if (::LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD,
                         MAXDWORD, &start) ||
            ::GetLastError() != ERROR_LOCK_VIOLATION) {
            return true;
        }
        ::Sleep(kLockPauseMs);
    }
    return false;
}

} // namespace

AppendFile::AppendFile(const std::string& path) {
    DWORD error = ERROR_SUCCESS;
    // Shared for writing: another session appending meanwhile waits on the lock below
    // instead of failing to open the file at all.
    Handle file = openOwnFile(path, GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS, error,
                              FILE_SHARE_READ | FILE_SHARE_WRITE);
    if (!file.isOpen()) {
        error_ = static_cast<int>(error);
        return;
    }
    // Waits while another session writes its block, for two seconds at most.
    if (!lockAll(file.get())) {
        error_ = ERROR_LOCK_VIOLATION;
        return;
    }
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.get(), &size) ||
        !::SetFilePointerEx(file.get(), LARGE_INTEGER{}, nullptr, FILE_END)) {
        error_ = static_cast<int>(::GetLastError());
        return;
    }
    lengthBefore_ = size.QuadPart;
    file_ = systemHandleOf(std::move(file));
}

AppendFile::~AppendFile() {
    close();
}

std::string AppendFile::failureReason() const {
    return error_ == 0 ? std::string() : ownFileFailure(error_);
}

bool AppendFile::write(std::string_view bytes) {
    if (!isOpen() || error_ != 0) {
        return false;
    }
    if (!writeAll(handleOf(file_), bytes)) {
        error_ = static_cast<int>(::GetLastError());
        return false;
    }
    return true;
}

bool AppendFile::close() {
    if (!isOpen()) {
        return error_ == 0;
    }
    const HANDLE file = handleOf(file_);
    if (error_ != 0) {
        // Still under the lock: nobody has appended after this block's first bytes. If even
        // the cut fails the save is still reported failed, so the journal keeps the session.
        LARGE_INTEGER before{};
        before.QuadPart = lengthBefore_;
        if (::SetFilePointerEx(file, before, nullptr, FILE_BEGIN)) {
            ::SetEndOfFile(file);
        }
    }
    // Closing releases the lock; what was written is in the system's cache, as on Linux.
    closeHandle(file_);
    return error_ == 0;
}

} // namespace orvane::platform
