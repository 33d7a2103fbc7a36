#include "platform/AppendFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace orvane::platform {

AppendFile::AppendFile(const std::string& path)
    : fd_(::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666)) {
    if (fd_ < 0) {
        error_ = errno;
    }
}

AppendFile::~AppendFile() {
    close();
}

std::string AppendFile::failureReason() const {
    return error_ == 0 ? std::string() : std::string(std::strerror(error_));
}

bool AppendFile::write(std::string_view bytes) {
    if (fd_ < 0 || error_ != 0) {
        return false;
    }
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            error_ = errno;
            return false;
        }
        if (written == 0) {
            // A regular file never accepts nothing; stop rather than spin forever.
            error_ = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool AppendFile::close() {
    if (fd_ < 0) {
        return error_ == 0;
    }
    const int fd = fd_;
    fd_ = -1;
    // Linux releases the descriptor even when close is interrupted, so it is never retried;
    // an interruption says nothing about the data.
    if (::close(fd) != 0 && errno != EINTR && error_ == 0) {
        error_ = errno;
    }
    return error_ == 0;
}

} // namespace orvane::platform
