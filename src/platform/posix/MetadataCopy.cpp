#include "platform/posix/MetadataCopy.h"

#include <fcntl.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace orvane::platform {

namespace {

// Reads into a buffer that grows until the answer fits: an attribute may grow between the
// question for its size and the read.
template <typename Read> bool readGrowing(std::vector<char>& buffer, Read read) {
    for (;;) {
        const ssize_t size = read(nullptr, 0);
        if (size <= 0) {
            buffer.clear();
            return size == 0;
        }
        buffer.resize(static_cast<std::size_t>(size));
        const ssize_t got = read(buffer.data(), buffer.size());
        if (got >= 0) {
            buffer.resize(static_cast<std::size_t>(got));
            return true;
        }
        if (errno != ERANGE) {
            return false;
        }
    }
}

// The three calls come as the descriptor or the path form; list gives the names of the
// source's attributes, NUL-separated. False when the source has none to give.
template <typename List, typename Get, typename Set>
bool copyAttributes(List list, Get get, Set set) {
    std::vector<char> names;
    // Almost every file has none, and then the listing is the only call this costs.
    if (!readGrowing(names, list) || names.empty()) {
        return false;
    }
    std::vector<char> value;
    for (std::size_t at = 0; at < names.size();
         at += std::char_traits<char>::length(&names[at]) + 1) {
        const char* name = &names[at];
        if (readGrowing(value,
                        [&](char* data, std::size_t size) { return get(name, data, size); })) {
            // Refusals (a namespace the process may not write, no support on the target's
            // file system, a security label the policy rejects) leave that attribute out.
            static_cast<void>(set(name, value.data(), value.size()));
        }
    }
    return true;
}

mode_t modeToKeep(const struct stat& source, bool ownerKept) {
    const mode_t setId = S_ISUID | S_ISGID;
    return source.st_mode & (ownerKept ? 07777 : 07777 & ~setId);
}

} // namespace

KeptMode keepOwnerAndAttributes(int source, int target, const struct stat& sourceInfo,
                                const struct stat& targetInfo) {
    // Most copies are made by the owner of their source and have its owner and group from the
    // start. An fchown would still log an inode change in the file system's journal.
    const bool ownedAlready =
        targetInfo.st_uid == sourceInfo.st_uid && targetInfo.st_gid == sourceInfo.st_gid;
    const bool ownerKept =
        ownedAlready || ::fchown(target, sourceInfo.st_uid, sourceInfo.st_gid) == 0;
    if (!ownerKept && ::fchown(target, static_cast<uid_t>(-1), sourceInfo.st_gid) != 0) {
        // A normal user may still give the copy a group they belong to. One they do not
        // belong to leaves the copy in the user's own group, as cp -p does; the set-ID bits
        // are dropped either way, since the owner was not kept.
    }
    const bool attributesSet =
        source >= 0 &&
        copyAttributes(
            [&](char* names, std::size_t size) { return ::flistxattr(source, names, size); },
            [&](const char* name, void* value, std::size_t size) {
                return ::fgetxattr(source, name, value, size);
            },
            [&](const char* name, const void* value, std::size_t size) {
                return ::fsetxattr(target, name, value, size, 0);
            });
    const mode_t wanted = modeToKeep(sourceInfo, ownerKept);
    return {wanted, ownedAlready && !attributesSet && (targetInfo.st_mode & 07777) == wanted};
}

void keepLinkOwnerAndAttributes(const std::string& source, int folder, const std::string& name,
                                const struct stat& sourceInfo) {
    if (::fchownat(folder, name.c_str(), sourceInfo.st_uid, sourceInfo.st_gid,
                   AT_SYMLINK_NOFOLLOW) != 0) {
        // Only root may give a link away; a user's copy of the link stays the user's own.
        // Nothing is lost by it: the system ignores a link's owner when following it, except
        // in sticky folders, where the user's own link is the one the user may remove.
    }
    // There is no attribute call relative to a folder; the folder's descriptor stands in for
    // its path, so no link above the entry is followed.
    const std::string target = "/proc/self/fd/" + std::to_string(folder) + "/" + name;
    copyAttributes(
        [&](char* names, std::size_t size) { return ::llistxattr(source.c_str(), names, size); },
        [&](const char* attribute, void* value, std::size_t size) {
            return ::lgetxattr(source.c_str(), attribute, value, size);
        },
        [&](const char* attribute, const void* value, std::size_t size) {
            return ::lsetxattr(target.c_str(), attribute, value, size, 0);
        });
}

bool keptOrNotHeld(int result) {
    return result == 0 || errno == ENOSYS || errno == EPERM || errno == EOPNOTSUPP ||
           errno == ENOTSUP;
}

} // namespace orvane::platform
