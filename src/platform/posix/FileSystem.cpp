#include "platform/FileSystem.h"

#include "platform/FileEvents.h"

#include <sys/stat.h>
#include <unistd.h>

namespace orvane::platform {

namespace {

std::optional<struct stat> statOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return info;
}

} // namespace

bool folderExists(const std::string& path) {
    const auto info = statOf(path);
    return info && S_ISDIR(info->st_mode);
}

bool fileExists(const std::string& path) {
    // lstat, so that a link whose target is gone still counts as present.
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool makeFolder(const std::string& path) {
    return ::mkdir(path.c_str(), 0777) == 0;
}

bool removeFolder(const std::string& path) {
    return ::rmdir(path.c_str()) == 0;
}

bool deleteFile(const std::string& path) {
    if (::unlink(path.c_str()) != 0) {
        return false;
    }
    noteFileEvent(FileEvent::FileDeleted, path);
    return true;
}

bool sameFolder(const std::string& first, const std::string& second) {
    const auto one = statOf(first);
    const auto other = statOf(second);
    return one && other && S_ISDIR(one->st_mode) && one->st_dev == other->st_dev &&
           one->st_ino == other->st_ino;
}

} // namespace orvane::platform
