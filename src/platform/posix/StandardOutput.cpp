#include "platform/StandardOutput.h"

#include "platform/posix/PosixFile.h"

#include <sys/uio.h>

namespace orvane::platform {

namespace {

bool& outputFailed() {
    static bool failed = false;
    return failed;
}

// One call for the line and its end; what a short write leaves goes as plain writes.
bool writeLine(std::string_view line) {
    char end = '\n';
    iovec pieces[] = {{const_cast<char*>(line.data()), line.size()}, {&end, 1}};
    ssize_t written = -1;
    do {
        written = ::writev(STDOUT_FILENO, pieces, 2);
    } while (written < 0 && errno == EINTR);
    if (written < 0) {
        return false;
    }
    const auto done = static_cast<std::size_t>(written);
    return done == line.size() + 1 ||
           (done < line.size()
                ? writeAll(STDOUT_FILENO, line.substr(done)) && writeAll(STDOUT_FILENO, "\n")
                : writeAll(STDOUT_FILENO, "\n"));
}

} // namespace

bool writeStandardOutput(std::string_view bytes) {
    if (!outputFailed() && !writeAll(STDOUT_FILENO, bytes)) {
        outputFailed() = true;
    }
    return !outputFailed();
}

bool writeStandardOutputLine(std::string_view line) {
    if (!outputFailed() && !writeLine(line)) {
        outputFailed() = true;
    }
    return !outputFailed();
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
