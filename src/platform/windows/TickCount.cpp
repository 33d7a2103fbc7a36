#include "platform/TickCount.h"

#include <windows.h>

namespace orvane::platform {

std::uint32_t tickCount() {
    // The 64-bit count, cut to the 32 bits the run works with, wraps as GetTickCount does.
    return static_cast<std::uint32_t>(::GetTickCount64());
}

} // namespace orvane::platform
