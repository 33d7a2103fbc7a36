#pragma once

// Shared by the platform's own sources only.

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>

namespace orvane::platform {

// The unit of st_blocks, whatever the file system's own block size.
inline constexpr std::int64_t statBlockBytes = 512;

// True when fewer bytes are allocated to a file than its size: it has holes, which a copy
// must keep, or a 10 GiB disk image that holds 8 KiB would take 10 GiB.
inline bool hasHoles(const struct stat& info) {
    return static_cast<std::int64_t>(info.st_blocks) * statBlockBytes <
           static_cast<std::int64_t>(info.st_size);
}

// Moves the data of one range of a file with holes and skips its holes, so the copy has
// them too. Holes count as moved: the caller's progress runs over the file's size. A range
// that is a hole throughout is passed over up to the next data (or the file's size) in one
// step, so a vast empty image takes a few steps, not one per chunk. Returns the count moved:
// fewer than asked only where the source was cut while being read, more where a hole was
// passed over; -1 with errno. The mover moves (offset, count) between the same two files.
template <typename Mover>
std::int64_t moveKeepingHoles(int source, int target, Mover& mover, std::int64_t offset,
                              std::int64_t count, std::int64_t size) {
    std::int64_t end = offset + count;
    std::int64_t at = offset;
    while (at < end) {
        const off_t data = ::lseek(source, at, SEEK_DATA);
        if (data < 0 && errno == EINVAL && at == offset) {
            // A file system that cannot tell data from holes (procfs): all of it is data.
            return mover.move(offset, count);
        }
        if (data < 0 && errno != ENXIO) {
            return -1;
        }
        // ENXIO: nothing but a hole from here to the end of the file.
        if (data < 0 || data >= end) {
            if (at == offset) {
                end = std::max(end, std::min<std::int64_t>(data < 0 ? size : data, size));
            }
            break;
        }
        const off_t hole = ::lseek(source, data, SEEK_HOLE);
        if (hole < 0) {
            return -1;
        }
        const std::int64_t span = std::min<std::int64_t>(hole, end) - data;
        const std::int64_t moved = mover.move(data, span);
        if (moved < 0) {
            return -1;
        }
        if (moved < span) {
            return data + moved - offset;
        }
        at = data + span;
    }
    // A range that ends in a hole: the copy still reaches its end, as a hole.
    if (at < end && ::ftruncate(target, end) != 0) {
        return -1;
    }
    return end - offset;
}

} // namespace orvane::platform
