#include "platform/posix/PartialFile.h"

#include "platform/posix/PrivateName.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <utility>

namespace orvane::platform {

namespace {

constexpr const char* kTemporaryMark = ".orvane-part-";
constexpr int kNameAttempts = 1000;

bool& unnamedAllowed() {
    static bool allowed = true;
    return allowed;
}

// Naming an unnamed file takes a privilege through AT_EMPTY_PATH, and none through /proc. A
// process refused the privilege once, where /proc served instead, goes through /proc from then
// on: the refused call would cost every later file a system call in vain.
bool linkUnnamed(int fd, int folder, const char* name) {
    static bool throughProc = false;
    if (!throughProc) {
        if (::linkat(fd, "", folder, name, AT_EMPTY_PATH) == 0) {
            return true;
        }
        if (errno != ENOENT && errno != EPERM) {
            return false;
        }
    }
    char self[32];
    std::snprintf(self, sizeof self, "/proc/self/fd/%d", fd);
    const bool linked = ::linkat(AT_FDCWD, self, folder, name, AT_SYMLINK_FOLLOW) == 0;
    throughProc = throughProc || linked;
    return linked;
}

} // namespace

PartialFile::PartialFile(int folder, const char* destinationName)
    : folder_(folder), destinationName_(destinationName) {}

PartialFile::~PartialFile() {
    if (!temporaryName_.empty()) {
        const int saved = errno;
        ::unlinkat(folder_, temporaryName_.c_str(), 0);
        errno = saved;
    }
}

template <typename Create> bool PartialFile::createUnderUniqueName(Create create) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string name = privateNameFor(destinationName_, kTemporaryMark);
        if (create(name)) {
            temporaryName_ = name;
            return true;
        }
        if (errno != EEXIST) {
            return false;
        }
    }
    return false;
}

void PartialFile::allowUnnamed(bool allowed) {
    unnamedAllowed() = allowed;
}

bool PartialFile::createFile(mode_t permissions) {
    if (unnamedAllowed()) {
        // Nobody can open it before it takes its name: made with the source's bits, it
        // usually needs no change of mode later.
        file_ = FileDescriptor(
            ::openat(folder_, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, permissions & 0777));
        if (file_.isOpen()) {
            return true;
        }
    }
    // Not every file system offers unnamed files (network and FAT ones among them).
    return createUnderUniqueName([this](const std::string& name) {
        file_ = FileDescriptor(::openat(
            folder_, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        return file_.isOpen();
    });
}

void PartialFile::adopt(std::string name, FileDescriptor file) {
    temporaryName_ = std::move(name);
    file_ = std::move(file);
}

bool PartialFile::createLink(const std::string& target) {
    return createUnderUniqueName([this, &target](const std::string& name) {
        return ::symlinkat(target.c_str(), folder_, name.c_str()) == 0;
    });
}

bool PartialFile::closeFile() {
    return file_.close();
}

bool PartialFile::place(const std::optional<FileIdentity>& replaces) {
    if (temporaryName_.empty()) {
        // A hard link never replaces anything, so a free name is taken directly.
        if (!replaces) {
            return linkUnnamed(file_.get(), folder_, destinationName_) && closeFile();
        }
        if (!createUnderUniqueName([this](const std::string& name) {
                return linkUnnamed(file_.get(), folder_, name.c_str());
            })) {
            return false;
        }
    }
    return closeFile() && placeNamed(replaces);
}

bool PartialFile::placeNamed(const std::optional<FileIdentity>& replaces) {
    struct stat there {};
    const bool present = ::fstatat(folder_, destinationName_, &there, AT_SYMLINK_NOFOLLOW) == 0;
    if (present && replaces) {
        // All of it, times included: a file made where the old one was deleted may get the
        // old one's inode number at once.
        if (identityFrom(there) != *replaces) {
            errno = EEXIST;
            return false;
        }
        if (::renameat(folder_, temporaryName_.c_str(), folder_, destinationName_) != 0) {
            return false;
        }
    } else if (!placeWithoutReplacing()) {
        return false;
    }
    temporaryName_.clear();
    return true;
}

bool PartialFile::placeWithoutReplacing() {
    return renameWithoutReplacing(folder_, temporaryName_, destinationName_);
}

} // namespace orvane::platform
