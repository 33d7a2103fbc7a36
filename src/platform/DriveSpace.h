#pragma once

#include <cstdint>
#include <string>

namespace orvane::platform {

struct DriveSpace {
    // What the log calls the drive: the mount point that holds the destination, or the
    // nearest existing folder of the destination when the mount table cannot be read.
    std::string drive;
    // Space an unprivileged writer may use (root's reserve is not counted), in bytes.
    std::int64_t freeBytes = 0;
    std::int64_t totalBytes = 0;
};

// The drive of a destination that may not exist yet: the nearest existing folder upward
// from it is examined. Both sizes are 0 when that fails.
DriveSpace queryDriveSpace(const std::string& destinationPath);

// The mount point in a mount table (in the format of /proc/self/mountinfo) that holds a
// resolved absolute folder: the longest one that is the folder or one of its parents.
// Empty when none matches.
std::string mountPointOf(const std::string& realFolder, const std::string& mountInfo);

} // namespace orvane::platform
