#include "platform/UnloadSignalPipe.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace orvane::platform {

namespace {

constexpr std::array<int, 3> kSignals{SIGTERM, SIGINT, SIGHUP};
int writeEnd = -1;
std::array<struct sigaction, kSignals.size()> previous{};

extern "C" void onUnloadSignal(int signal) {
    const int savedErrno = errno;
    const auto number = static_cast<unsigned char>(signal);
    if (::write(writeEnd, &number, 1) < 0) {
        // A full pipe already holds a request; one more would change nothing.
    }
    errno = savedErrno;
}

} // namespace

UnloadSignalPipe::UnloadSignalPipe() {
    if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    writeEnd = pipe_[1];
    struct sigaction action {};
    action.sa_handler = onUnloadSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        ::sigaction(kSignals[i], &action, &previous[i]);
    }
}

UnloadSignalPipe::~UnloadSignalPipe() {
    if (pipe_[0] < 0) {
        return;
    }
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        ::sigaction(kSignals[i], &previous[i], nullptr);
    }
    writeEnd = -1;
    ::close(pipe_[0]);
    ::close(pipe_[1]);
}

std::optional<int> UnloadSignalPipe::takeSignal() {
    unsigned char number = 0;
    if (pipe_[0] >= 0 && ::read(pipe_[0], &number, 1) == 1) {
        return number;
    }
    return std::nullopt;
}

} // namespace orvane::platform
