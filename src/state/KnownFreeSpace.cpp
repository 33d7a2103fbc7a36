#include "state/KnownFreeSpace.h"

namespace orvane {

platform::DriveSpace KnownFreeSpace::spaceFor(const std::string& folder,
                                              const std::string& destination, std::int64_t needed,
                                              std::uint32_t nowMs, const Ask& ask) {
    const std::int64_t left = known_.freeBytes - spent_;
    const bool usable = !folder_.empty() && folder == folder_ && nowMs - askedAtMs_ < kKeptForMs &&
                        left - kMarginBytes >= needed;
    if (usable) {
        return {known_.drive, left, known_.totalBytes};
    }
    known_ = ask(destination);
    folder_ = folder;
    askedAtMs_ = nowMs;
    spent_ = 0;
    return known_;
}

} // namespace orvane
