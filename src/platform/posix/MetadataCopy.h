#pragma once

// Shared by the platform's own sources only: it works on open descriptors and POSIX types.

#include <sys/stat.h>

#include <string>

namespace orvane::platform {

// What a copy takes over from its source besides its content, and the order it must be done
// in: the owner first (changing it clears the set-ID bits), then the extended attributes
// (an access ACL rewrites the group bits), and the final permission bits last.
//
// Gives the target the source's owner and group as far as the process may, and every
// extended attribute the process may write. Nothing of it is an error: a normal user cannot
// give a file away, and a file system without extended attributes still holds the copy.
// Returns the permission bits to set last: the set-ID bits only when owner and group were
// both kept, as a set-user-ID file of another owner would otherwise run as the wrong user.
// The source descriptor may be -1: its attributes are then not copied.
struct KeptMode {
    mode_t wanted = 0;
    // The target has those bits already (it was made with them, and neither a change of owner
    // nor an attribute has touched them since): setting them would only cost a call.
    bool already = false;
};
// `targetInfo` is the target as it is now (owner, group and mode count).
KeptMode keepOwnerAndAttributes(int source, int target, const struct stat& sourceInfo,
                                const struct stat& targetInfo);

// The same for a symbolic link, the link itself and not its target, named in an open folder.
void keepLinkOwnerAndAttributes(const std::string& source, int folder, const std::string& name,
                                const struct stat& sourceInfo);

// True when a call that sets metadata (a mode, times) succeeded, or failed only because the
// file system cannot hold that part: FAT on FUSE has no chmod at all (ENOSYS), others refuse
// (EPERM, EOPNOTSUPP). A copy on such a file system is kept without that part; any other
// failure (an I/O error) is the copy's failure.
bool keptOrNotHeld(int result);

} // namespace orvane::platform
