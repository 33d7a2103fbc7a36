#include "platform/StopSignals.h"

#include <csignal>
#include <unistd.h>

namespace orvane::platform {

namespace {

volatile std::sig_atomic_t stopRequests = 0;

extern "C" void onStopSignal(int signalNumber) {
    if (stopRequests > 0) {
        std::signal(signalNumber, SIG_DFL);
        std::raise(signalNumber);
        return;
    }
    stopRequests = stopRequests + 1;
}

void handle(int signalNumber) {
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    // Restarted system calls keep a copy in progress from failing on the signal itself; the
    // copy sees the stop at its next chunk.
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    ::sigaction(signalNumber, &action, nullptr);
}

} // namespace

void installStopSignals() {
    handle(SIGINT);
    handle(SIGTERM);
}

bool stopSignalled() {
    return stopRequests > 0;
}

bool standardErrorIsTerminal() {
    return ::isatty(STDERR_FILENO) == 1;
}

} // namespace orvane::platform
