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

void openClosedStandardStreams() {
    // In order: each one opened takes the lowest free number, the one just found closed.
    for (const int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(stream, F_GETFD) == -1 && errno == EBADF) {
            static_cast<void>(::open("/dev/null", O_RDWR));
        }
    }
}

} // namespace orvane::platform
