#include "platform/MadeFoldersSystem.h"

#include "platform/posix/MetadataCopy.h"
#include "platform/posix/PosixFile.h"
#include "platform/posix/TreeResolve.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace orvane::platform {

namespace {

timespec timeOf(std::int64_t nanoseconds) {
    return timespec{static_cast<time_t>(nanoseconds / 1000000000),
                    static_cast<long>(nanoseconds % 1000000000)};
}

// The source folder the survey or the walk listed, or nothing when its path leads elsewhere
// by now (renamed, or swapped for a link to a folder outside the source).
FileDescriptor openSourceFolder(const MadeFolders::Pending& folder) {
    FileDescriptor source(
        ::open(folder.source.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC));
    struct stat info {};
    if (!source.isOpen() || ::fstat(source.get(), &info) != 0 ||
        static_cast<std::uint64_t>(info.st_dev) != folder.sourceDevice ||
        static_cast<std::uint64_t>(info.st_ino) != folder.sourceInode) {
        return {};
    }
    return source;
}

// The folder made, reached as every write of the run is: no link followed below the root.
FileDescriptor openMadeFolder(const TreePath& entry) {
    const auto parent = openTreeParent(entry);
    return FileDescriptor(parent ? ::openat(parent->folder.get(), parent->name(),
                                            O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC)
                                 : -1);
}

} // namespace

void applyFolderMetadata(const MadeFolders::Pending& folder) {
    // Only the folder made: a link or another folder put in its place meanwhile must not
    // receive an owner or open bits meant for this one.
    const FileDescriptor target = openMadeFolder(folder.destination());
    struct stat made {};
    if (!target.isOpen() || ::fstat(target.get(), &made) != 0 ||
        static_cast<std::uint64_t>(made.st_dev) != folder.device ||
        static_cast<std::uint64_t>(made.st_ino) != folder.inode) {
        return;
    }
    // A source folder that is gone by now leaves its attributes out, nothing else.
    const FileDescriptor source = openSourceFolder(folder);
    struct stat sourceInfo {};
    sourceInfo.st_mode = folder.mode;
    sourceInfo.st_uid = folder.owner;
    sourceInfo.st_gid = folder.group;
    const mode_t mode = keepOwnerAndAttributes(source.get(), target.get(), sourceInfo, made).wanted;
    const timespec times[2] = {timeOf(folder.accessedNs), timeOf(folder.modifiedNs)};
    static_cast<void>(::fchmod(target.get(), mode));
    static_cast<void>(::futimens(target.get(), times));
}

namespace {

// The bits a folder is made with until it is finished: owner-only, and the sticky bit, which
// changes nothing in a folder only its owner may enter, and which no folder a user made, nor
// a finished copy of one, has with them. A run killed before it finished its folders leaves
// them with these, and so a later run knows them.
constexpr mode_t kUnfinishedMode = S_ISVTX | S_IRWXU;

MadeFolders::Pending pendingFor(const TreePath& destination, const std::string& source,
                                const struct stat& made, const struct stat& origin) {
    return {std::string(destination.root),
            destination.path,
            destination.kept,
            source,
            static_cast<std::uint64_t>(made.st_dev),
            static_cast<std::uint64_t>(made.st_ino),
            static_cast<std::uint64_t>(origin.st_dev),
            static_cast<std::uint64_t>(origin.st_ino),
            origin.st_mode,
            origin.st_uid,
            origin.st_gid,
            nanosecondsOf(origin.st_atim),
            nanosecondsOf(origin.st_mtim)};
}

// The source folder as it is listed, when it can be examined.
bool sourceFolderInfo(const std::string& source, struct stat& origin) {
    return ::lstat(source.c_str(), &origin) == 0 && S_ISDIR(origin.st_mode);
}

} // namespace

SystemError MadeFolders::make(const TreePath& destination, const std::string& source) {
    const auto parent = openTreeParent(destination);
    if (!parent) {
        return posixError(errno);
    }
    struct stat origin {};
    const bool known = sourceFolderInfo(source, origin);
    if (::mkdirat(parent->folder.get(), parent->name(), known ? kUnfinishedMode : 0777) != 0) {
        return posixError(errno);
    }
    struct stat made {};
    if (known && ::fstatat(parent->folder.get(), parent->name(), &made, AT_SYMLINK_NOFOLLOW) == 0) {
        pending_.push_back(pendingFor(destination, source, made, origin));
    }
    return {};
}

void MadeFolders::adoptUnfinished(const TreePath& destination, const std::string& source) {
    const auto parent = openTreeParent(destination);
    struct stat found {};
    struct stat origin {};
    if (parent &&
        ::fstatat(parent->folder.get(), parent->name(), &found, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISDIR(found.st_mode) && (found.st_mode & 07777) == kUnfinishedMode &&
        sourceFolderInfo(source, origin)) {
        pending_.push_back(pendingFor(destination, source, found, origin));
    }
}

} // namespace orvane::platform
