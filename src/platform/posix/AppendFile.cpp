#include "platform/AppendFile.h"

#include "platform/OwnFile.h"
#include "platform/posix/PosixFile.h"

#include <cerrno>
#include <sys/file.h>

namespace orvane::platform {

AppendFile::AppendFile(const std::string& path)
    : file_(openOwnFile(path, O_WRONLY | O_APPEND | O_CREAT)) {
    if (!file_.isValid()) {
        error_ = errno;
        return;
    }
    // Waits while another session writes its block. A file system without locks still gets
    // the block, as before there were locks.
    while (::flock(fdOf(file_), LOCK_EX) != 0 && errno == EINTR) {
    }
    struct stat info {};
    if (::fstat(fdOf(file_), &info) != 0) {
        error_ = errno;
        return;
    }
    lengthBefore_ = info.st_size;
}

AppendFile::~AppendFile() {
    close();
}

std::string AppendFile::failureReason() const {
    return error_ == 0 ? std::string() : ownFileFailure(error_);
}

bool AppendFile::write(std::string_view bytes) {
    if (!file_.isValid() || error_ != 0) {
        return false;
    }
    if (!writeAll(fdOf(file_), bytes)) {
        error_ = errno;
        return false;
    }
    return true;
}

bool AppendFile::close() {
    if (!file_.isValid()) {
        return error_ == 0;
    }
    const int fd = fdOf(file_);
    file_ = SystemHandle();
    if (error_ != 0) {
        // Still under the lock: nobody has appended after this block's first bytes.
        // If even the cut fails the save is still reported failed, so the journal keeps the
        // session; the file keeps the partial block, which is all that can be said of it.
        if (::ftruncate(fd, static_cast<off_t>(lengthBefore_)) != 0) {
        }
    }
    // Linux releases the descriptor (and the lock) even when close is interrupted, so it is
    // never retried; an interruption says nothing about the data.
    if (::close(fd) != 0 && errno != EINTR && error_ == 0) {
        error_ = errno;
    }
    return error_ == 0;
}

} // namespace orvane::platform
