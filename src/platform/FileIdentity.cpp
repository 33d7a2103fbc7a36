#include "platform/FileIdentity.h"

#include "platform/FileIdentitySystem.h"

#include <algorithm>
#include <vector>

namespace orvane::platform {

namespace {

// Large enough that comparing a big file costs few system calls, small enough for two of
// them to be an unremarkable allocation per comparison.
constexpr std::size_t compareBufferBytes = 256 * 1024;

} // namespace

std::optional<bool> sameBytesToEnd(const FullRead& readA, const FullRead& readB) {
    std::vector<char> bufferA(compareBufferBytes);
    std::vector<char> bufferB(compareBufferBytes);
    for (;;) {
        const long long gotA = readA(bufferA.data(), bufferA.size());
        const long long gotB = readB(bufferB.data(), bufferB.size());
        if (gotA < 0 || gotB < 0) {
            return std::nullopt;
        }
        if (gotA != gotB || !std::equal(bufferA.begin(), bufferA.begin() + gotA, bufferB.begin())) {
            return false;
        }
        if (gotA == 0) {
            return true;
        }
    }
}

} // namespace orvane::platform
