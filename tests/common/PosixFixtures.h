#pragma once

// Fixtures that need Linux itself: mounts (root only) and the POSIX view of an entry.

#include "common/CopyFixtures.h"

#include <sys/mount.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

namespace orvane::test {

// A mount made for one test (root only; `why` says what refused it), unmounted when done.
class Mount {
public:
    Mount(const char* source, const std::string& folder, const char* type, unsigned long flags,
          const char* options)
        : folder_(folder) {
        std::filesystem::create_directories(folder);
        if (::mount(source, folder.c_str(), type, flags, options) != 0) {
            why_ = std::string("cannot mount ") + source + " here (" + std::strerror(errno) + ")";
        }
    }
    Mount(const Mount&) = delete;
    Mount& operator=(const Mount&) = delete;
    ~Mount() {
        if (mounted() && ::umount(folder_.c_str()) != 0) {
            ::umount2(folder_.c_str(), MNT_DETACH);
        }
    }

    bool mounted() const { return why_.empty(); }
    const std::string& why() const { return why_; }

private:
    std::string folder_;
    std::string why_;
};

// A small tmpfs, the one way to make a write fail that also binds root.
struct Tmpfs : Mount {
    Tmpfs(const std::string& folder, const char* options)
        : Mount("tmpfs", folder, "tmpfs", 0, options) {}
};

// A folder shown a second time at another place, as `mount --bind` does.
struct BindMount : Mount {
    BindMount(const std::string& folder, const std::string& at)
        : Mount(folder.c_str(), at, nullptr, MS_BIND, nullptr) {}
};

// The entry at the path itself, not what a link points to; all zero when there is none.
inline struct stat statOf(const std::string& path) {
    struct stat info {};
    ::lstat(path.c_str(), &info);
    return info;
}

} // namespace orvane::test
