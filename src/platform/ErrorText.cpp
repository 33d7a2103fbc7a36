#include "platform/ErrorText.h"

#include <cstring>

namespace orvane::platform {

std::string errorText(int error) {
    char buffer[256];
    // The GNU variant may return a static text instead of filling the buffer.
    return ::strerror_r(error, buffer, sizeof buffer);
}

} // namespace orvane::platform
