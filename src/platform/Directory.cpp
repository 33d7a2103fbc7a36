#include "platform/Directory.h"

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
        openError_ = errno;
    }
}

DirectoryReader::DirectoryReader(const DirectoryReader& parent, const std::string& name) {
    const int fd = parent.stream_ == nullptr
                       ? -1
                       : ::openat(::dirfd(static_cast<DIR*>(parent.stream_.get())), name.c_str(),
                                  O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    DIR* stream = fd < 0 ? nullptr : ::fdopendir(fd);
    if (stream == nullptr) {
        openError_ = parent.stream_ == nullptr ? EBADF : errno;
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
    const dirent* entry = ::readdir(stream);
    if (entry == nullptr) {
        return std::nullopt;
    }
    return DirectoryEntry{entry->d_name, isRealFolder(stream, *entry)};
}

std::optional<std::int64_t> DirectoryReader::sizeOf(const std::string& name) const {
    struct stat info {};
    if (stream_ == nullptr || ::fstatat(::dirfd(static_cast<DIR*>(stream_.get())), name.c_str(),
                                        &info, AT_SYMLINK_NOFOLLOW) != 0) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(info.st_size);
}

} // namespace orvane::platform
