#pragma once

#include "platform/DriveSpace.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace orvane {

// The free space of the drive a run copies to, as asked last, less what the run's copies have
// taken since. Asking the system costs two calls a file, more than the copy of a small file
// itself; the answer kept is used instead while it is young and leaves a wide margin. Near
// the limit, when it is old, or for another folder, the drive is asked again, so a file is
// never refused on a kept answer, and another writer filling the drive meanwhile is seen
// within a second.
class KnownFreeSpace {
public:
    using Ask = std::function<platform::DriveSpace(const std::string&)>;

    // Kept answers are used for this long (milliseconds) ...
    static constexpr std::uint32_t kKeptForMs = 1000;
    // ... and only while they leave this much beyond the file asked for.
    static constexpr std::int64_t kMarginBytes = 64 * 1024 * 1024;

    // The space for a file of `needed` bytes at `destination`, whose folder is `folder`; held
    // here until the next question, so that the drive's name is not copied for every file.
    const platform::DriveSpace& spaceFor(std::string_view folder, const std::string& destination,
                                         std::int64_t needed, std::uint32_t nowMs, const Ask& ask);
    // A copy took this many bytes of the drive asked about last.
    void spend(std::int64_t bytes) { spent_ += bytes; }
    void clear() { *this = KnownFreeSpace{}; }

private:
    std::string folder_;
    platform::DriveSpace known_;
    platform::DriveSpace answer_;
    std::uint32_t askedAtMs_ = 0;
    std::int64_t spent_ = 0;
};

} // namespace orvane
