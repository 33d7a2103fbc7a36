#include "platform/Directory.h"

#include "platform/posix/PosixFile.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane::platform {

namespace {

bool isRealFolder(DIR* stream, const dirent& entry) {
    if (entry.d_type != DT_UNKNOWN) {
        return entry.d_type == DT_DIR;
    }
    struct stat info {};
    return ::fstatat(::dirfd(stream), entry.d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
           S_ISDIR(info.st_mode);
}

} // namespace

void DirectoryReader::Closer::operator()(void* stream) const {
    ::closedir(static_cast<DIR*>(stream));
}

DirectoryReader::DirectoryReader(const std::string& folder) : stream_(::opendir(folder.c_str())) {
    if (!stream_) {
        openError_ = posixError(errno);
    }
}

DirectoryReader::DirectoryReader(const SourceFolder& folder) {
    // A descriptor of its own, so that the listing's stream can close it.
    const int fd = folder.isOpen() ? ::fcntl(fdOf(folder.handle()), F_DUPFD_CLOEXEC, 0) : -1;
    DIR* stream = fd < 0 ? nullptr : ::fdopendir(fd);
    if (stream == nullptr) {
        openError_ = folder.isOpen() ? posixError(errno) : folder.openError();
        if (fd >= 0) {
            ::close(fd);
        }
        return;
    }
    stream_.reset(stream);
}

std::optional<DirectoryEntry> DirectoryReader::next() {
    if (stream_ == nullptr) {
        return std::nullopt;
    }
    DIR* stream = static_cast<DIR*>(stream_.get());
    // Only errno tells the end of a listing from one that broke off.
    errno = 0;
    const dirent* entry = ::readdir(stream);
    if (entry == nullptr) {
        readError_ = posixError(errno);
        return std::nullopt;
    }
    return DirectoryEntry{entry->d_name, isRealFolder(stream, *entry)};
}

} // namespace orvane::platform
