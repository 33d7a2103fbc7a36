#include "platform/StopSignals.h"

#include "platform/JournalFile.h"

#include <csignal>
#include <string_view>
#include <unistd.h>

namespace orvane::platform {

namespace {

constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};

volatile std::sig_atomic_t stopRequests = 0;

extern "C" void onStopSignal(int signalNumber) {
    if (stopRequests > 0) {
        // The run's summary cannot be put together here; this is what can be said.
        constexpr std::string_view saved =
            "Ended at once by a second stop signal; the log went to the day's log file.\n";
        constexpr std::string_view kept =
            "Ended at once by a second stop signal; the log stays in its journal.\n";
        const std::string_view note = saveJournalNow() ? saved : kept;
        if (::write(STDERR_FILENO, note.data(), note.size()) < 0) {
            // Standard error is gone; the program ends all the same, and nothing else could
            // be told.
        }
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
    for (const int signalNumber : kStopSignals) {
        handle(signalNumber);
    }
    std::signal(SIGPIPE, SIG_IGN);
    ignoreFileSizeLimitSignal();
}

void ignoreFileSizeLimitSignal() {
    std::signal(SIGXFSZ, SIG_IGN);
}

bool stopSignalled() {
    return stopRequests > 0;
}

void deferStopSignals() {
    sigset_t held;
    sigemptyset(&held);
    for (const int signalNumber : kStopSignals) {
        sigaddset(&held, signalNumber);
    }
    ::sigprocmask(SIG_BLOCK, &held, nullptr);
}

bool standardErrorIsTerminal() {
    return ::isatty(STDERR_FILENO) == 1;
}

} // namespace orvane::platform
