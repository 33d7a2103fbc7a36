#include "platform/JournalFile.h"

#include "platform/JournalFileSystem.h"
#include "platform/OwnFile.h"

namespace orvane::platform {

std::size_t grownJournalCapacity(std::size_t capacity, std::size_t wanted) {
    std::size_t grown = capacity == 0 ? 64 * 1024 : capacity;
    while (grown < wanted) {
        grown *= 2;
    }
    return grown;
}

std::string JournalFile::failureReason() const {
    return failure_ == 0 ? std::string() : ownFileFailure(failure_);
}

} // namespace orvane::platform
