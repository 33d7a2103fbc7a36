#include "platform/ErrorTextSystem.h"

#include <cstring>

namespace orvane::platform {

std::string systemErrorText(int code) {
    char buffer[256];
    // The GNU variant may return a static text instead of filling the buffer.
    return ::strerror_r(code, buffer, sizeof buffer);
}

} // namespace orvane::platform
