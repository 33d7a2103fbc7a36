#include "platform/posix/PrivateName.h"

#include "platform/TextHash.h"

#include <fcntl.h>
#include <limits.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace orvane::platform {

std::string privateNameFor(const std::string& name, const char* mark) {
    static unsigned counter = 0;
    const std::string tail = std::to_string(::getpid()) + "-" + std::to_string(++counter);
    std::string hidden = "." + name + mark + tail;
    if (hidden.size() > NAME_MAX) {
        char hash[17];
        std::snprintf(hash, sizeof hash, "%016llx",
                      static_cast<unsigned long long>(textHash(name)));
        hidden = std::string(mark) + hash + "-" + tail;
    }
    return hidden;
}

bool renameWithoutReplacing(int folder, const std::string& from, const std::string& to) {
    if (::renameat2(folder, from.c_str(), folder, to.c_str(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return false;
    }
    if (::linkat(folder, from.c_str(), folder, to.c_str(), 0) == 0) {
        ::unlinkat(folder, from.c_str(), 0);
        return true;
    }
    if (errno != EPERM && errno != ENOSYS && errno != EOPNOTSUPP && errno != ENOTSUP) {
        return false;
    }
    struct stat there {};
    if (::fstatat(folder, to.c_str(), &there, AT_SYMLINK_NOFOLLOW) == 0) {
        errno = EEXIST;
        return false;
    }
    return errno == ENOENT && ::renameat(folder, from.c_str(), folder, to.c_str()) == 0;
}

} // namespace orvane::platform
