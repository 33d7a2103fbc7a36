#include "platform/ErrorText.h"

#include <cstring>

namespace orvane::platform {

std::string errorText(const SystemError& error) {
    char buffer[256];
    // The GNU variant may return a static text instead of filling the buffer.
    return ::strerror_r(error.code(), buffer, sizeof buffer);
}

} // namespace orvane::platform
