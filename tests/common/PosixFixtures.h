#pragma once

// Fixtures that need Linux itself: mounts (root only), owners and the POSIX view of an entry.
// On Windows they build but refuse (a mount is never made, no file changes owner), so a case
// that needs them skips there as it does where Linux refuses them.

#include "common/CopyFixtures.h"
#include "common/System.h"

#include <sys/stat.h>
#ifdef _WIN32
#include <windows.h>
#else
#include <sys/mount.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>
#endif

#include <functional>

#include <cerrno>
#include <csignal>
#include <cstring>

namespace orvane::test {

// A mount made for one test (root only; `why` says what refused it), unmounted when done.
class Mount {
public:
    Mount(const char* source, const std::string& folder, const char* type, unsigned long flags,
          const char* options)
        : folder_(folder) {
        std::filesystem::create_directories(folder);
#ifdef _WIN32
        (void)type, (void)flags, (void)options;
        why_ = std::string("not on Windows: needs a mount of ") + source;
#else
        if (::mount(source, folder.c_str(), type, flags, options) != 0) {
            why_ = std::string("cannot mount ") + source + " here (" + std::strerror(errno) + ")";
        }
#endif
    }
    Mount(const Mount&) = delete;
    Mount& operator=(const Mount&) = delete;
    ~Mount() {
#ifndef _WIN32
        if (mounted() && ::umount(folder_.c_str()) != 0) {
            ::umount2(folder_.c_str(), MNT_DETACH);
        }
#endif
    }

    bool mounted() const {
        return why_.empty();
    }
    const std::string& why() const {
        return why_;
    }

protected:
    void refuse(std::string why) {
        why_ = std::move(why);
    }

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
        : Mount(folder.c_str(), at, nullptr, kBind, nullptr) {}
#ifdef _WIN32
    static constexpr unsigned long kBind = 0;
#else
    static constexpr unsigned long kBind = MS_BIND;
#endif
};

// The same, read-only there, as a write-protected card or a share mounted read-only shows it:
// nothing in it can be deleted, not even by root.
struct ReadOnlyBindMount : BindMount {
    ReadOnlyBindMount(const std::string& folder, const std::string& at) : BindMount(folder, at) {
#ifndef _WIN32
        if (mounted() &&
            ::mount(nullptr, at.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0) {
            refuse(std::string("cannot make ") + at + " read-only (" + std::strerror(errno) + ")");
            ::umount(at.c_str());
        }
#endif
    }
};

// The entry at the path itself, not what a link points to; all zero when there is none.
inline struct stat statOf(const std::string& path) {
    struct stat info {};
#ifdef _WIN32
    ::stat(path.c_str(), &info);
#else
    ::lstat(path.c_str(), &info);
#endif
    return info;
}

// Gives the entry to another user and their group, "nobody" unless told; false where that
// cannot be done (not root, Windows).
inline bool giveToAnotherUser(const std::string& path, unsigned user = 65534) {
#ifdef _WIN32
    (void)path, (void)user;
    return false;
#else
    return ::chown(path.c_str(), user, user) == 0;
#endif
}

// The names a file has; 0 when it cannot be looked at. (The C++ library counts one name on
// Windows, whatever the file has.)
inline std::uintmax_t nameCount(const std::string& path) {
#ifdef _WIN32
    const HANDLE file = ::CreateFileW(std::filesystem::path(path).c_str(), 0,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = file != INVALID_HANDLE_VALUE && ::GetFileInformationByHandle(file, &info);
    if (file != INVALID_HANDLE_VALUE) {
        ::CloseHandle(file);
    }
    return known ? info.nNumberOfLinks : 0;
#else
    return statOf(path).st_nlink;
#endif
}

// The bytes the entry takes on its drive (less than its size where it has holes).
inline std::int64_t allocatedBytes(const std::string& path) {
#ifdef _WIN32
    return statOf(path).st_size;
#else
    return static_cast<std::int64_t>(statOf(path).st_blocks) * 512;
#endif
}

// A FIFO and a socket at the two paths; false where the system has neither.
inline bool makeFifoAndSocket(const std::string& fifo, const std::string& socket) {
#ifdef _WIN32
    (void)fifo, (void)socket;
    return false;
#else
    return ::mkfifo(fifo.c_str(), 0644) == 0 && ::mknod(socket.c_str(), S_IFSOCK | 0644, 0) == 0;
#endif
}

// A user extended attribute on the entry, set or looked for; false where there is none.
inline bool markWithAttribute(const std::string& path) {
#ifdef _WIN32
    (void)path;
    return false;
#else
    return ::setxattr(path.c_str(), "user.orvane.mark", "x", 1, 0) == 0;
#endif
}
inline bool hasAttributeMark(const std::string& path) {
#ifdef _WIN32
    (void)path;
    return false;
#else
    return ::getxattr(path.c_str(), "user.orvane.mark", nullptr, 0) >= 0;
#endif
}

// The process's umask for one scope.
class Umask {
public:
#ifdef _WIN32
    explicit Umask(unsigned) {}
#else
    explicit Umask(unsigned bits) : saved_(::umask(bits)) {}
    ~Umask() {
        ::umask(saved_);
    }

private:
    mode_t saved_;
#endif
};

inline bool runningAsRoot() {
#ifdef _WIN32
    return false;
#else
    return ::geteuid() == 0;
#endif
}

// Plays a part in a child process that kills itself, as `kill -9` would, when `killed` holds at
// one of its calls of the hook it is given: true when the child was killed so.
inline bool killedInChild(const std::function<void(const std::function<void()>& kill)>& play) {
#ifdef _WIN32
    (void)play;
    return false;
#else
    const pid_t child = ::fork();
    if (child == 0) {
        play([] { ::raise(SIGKILL); });
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
#endif
}

// Plays a part in a child process run as the user "nobody" (root only): the exit status the
// part gives, 2 when the child could not become that user, -1 when it did not end normally.
inline int exitStatusAsAnotherUser(const std::function<int()>& play) {
#ifdef _WIN32
    (void)play;
    return -1;
#else
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(::setgid(65534) != 0 || ::setuid(65534) != 0 ? 2 : play());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

} // namespace orvane::test
