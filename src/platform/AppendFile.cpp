#include "platform/AppendFile.h"

#include "platform/PosixFile.h"

#include <cerrno>
#include <cstring>

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
    if (!writeAll(fd_, bytes)) {
        error_ = errno;
        return false;
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
