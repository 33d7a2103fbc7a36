#include "platform/StandardOutput.h"

#include "platform/posix/PosixFile.h"

namespace orvane::platform {

bool writeStandardOutput(std::string_view bytes) {
    static bool failed = false;
    if (!failed && !writeAll(STDOUT_FILENO, bytes)) {
        failed = true;
    }
    return !failed;
}

} // namespace orvane::platform
