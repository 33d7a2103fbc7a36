#pragma once

#include "common/TempFolder.h"
#include "platform/FileCopy.h"

#include <sys/mount.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <set>

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

// Within its scope every copy writes to an unnamed temporary, or to a named one as on file
// systems that offer no unnamed files.
class TemporaryKind {
public:
    explicit TemporaryKind(bool unnamed) { platform::setUnnamedTemporariesForTests(unnamed); }
    ~TemporaryKind() { platform::setUnnamedTemporariesForTests(true); }
    TemporaryKind(const TemporaryKind&) = delete;
    TemporaryKind& operator=(const TemporaryKind&) = delete;
};

// Bytes that differ from chunk to chunk, so a chunk written at the wrong offset shows.
inline std::string patterned(std::size_t size, std::uint32_t seed = 1) {
    std::string bytes(size, '\0');
    for (auto& byte : bytes) {
        seed = seed * 1664525U + 1013904223U;
        byte = static_cast<char>(seed >> 24);
    }
    return bytes;
}

inline void writeAll(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::set<std::string> namesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

// The entry at the path itself, not what a link points to; all zero when there is none.
inline struct stat statOf(const std::string& path) {
    struct stat info {};
    ::lstat(path.c_str(), &info);
    return info;
}

// True when any entry stands at the path, a dangling link included.
inline bool exists(const std::string& path) {
    return std::filesystem::exists(std::filesystem::symlink_status(path));
}

} // namespace orvane::test
