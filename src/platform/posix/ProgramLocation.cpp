#include "platform/ProgramLocationSystem.h"

#include <limits.h>
#include <unistd.h>

namespace orvane::platform {

std::string executablePath() {
    std::string buffer(PATH_MAX, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length <= 0) {
        return {};
    }
    buffer.resize(static_cast<std::size_t>(length));
    return buffer;
}

} // namespace orvane::platform
