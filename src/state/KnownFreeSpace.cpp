#include "state/KnownFreeSpace.h"

namespace orvane {

const platform::DriveSpace& KnownFreeSpace::spaceFor(std::string_view folder,
                                                     const std::string& destination,
                                                     std::int64_t needed, std::uint32_t nowMs,
                                                     const Ask& ask) {
    const std::int64_t left = known_.freeBytes - spent_;
    const bool usable = !folder_.empty() && folder == folder_ && nowMs - askedAtMs_ < kKeptForMs &&
                        left - kMarginBytes >= needed;
    if (usable) {
        answer_.freeBytes = left;
        return answer_;
    }
    known_ = ask(destination);
    answer_ = known_;
    folder_.assign(folder);
    askedAtMs_ = nowMs;
    spent_ = 0;
    return answer_;
}

} // namespace orvane
