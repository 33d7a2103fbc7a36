#include "platform/Directory.h"

#include <cerrno>
#include <dirent.h>
#include <sys/stat.h>

namespace orvane::platform {

namespace {

bool isRealFolder(const std::string& folder, const dirent& entry) {
    if (entry.d_type != DT_UNKNOWN) {
        return entry.d_type == DT_DIR;
    }
    struct stat info {};
    const std::string path = folder + "/" + entry.d_name;
    return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

void DirectoryReader::Closer::operator()(void* stream) const {
    ::closedir(static_cast<DIR*>(stream));
}

DirectoryReader::DirectoryReader(const std::string& folder)
    : folder_(folder), stream_(::opendir(folder.c_str())) {
    if (!stream_) {
        openError_ = errno;
    }
}

std::optional<DirectoryEntry> DirectoryReader::next() {
    if (stream_ == nullptr) {
        return std::nullopt;
    }
    const dirent* entry = ::readdir(static_cast<DIR*>(stream_.get()));
    if (entry == nullptr) {
        return std::nullopt;
    }
    return DirectoryEntry{entry->d_name, isRealFolder(folder_, *entry)};
}

} // namespace orvane::platform
