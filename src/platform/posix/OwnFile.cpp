#include "platform/OwnFile.h"

#include "platform/posix/PosixFile.h"

#include <cstring>

namespace orvane::platform {

std::string ownFileFailure(int error) {
    // ELOOP: a link, refused by O_NOFOLLOW. ENXIO: a FIFO opened for writing that nobody
    // reads, or a device without its driver; only such special files give it.
    const bool special = error == ELOOP || error == ENXIO || error == kNotRegularFile;
    return special ? "not a regular file" : std::string(std::strerror(error));
}

std::optional<std::string> notOwnFile(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    return ownFileFailure(kNotRegularFile);
}

} // namespace orvane::platform
