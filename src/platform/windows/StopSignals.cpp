#include "platform/StopSignals.h"

#include "platform/JournalFile.h"
#include "platform/windows/SystemPath.h"

#include <atomic>
#include <string_view>

namespace orvane::platform {

namespace {

std::atomic<int> stopRequests{0};
std::atomic<bool> deferred{false};

// A closed console window gives the program this long before the system ends it.
constexpr DWORD kCloseWaitMs = 4500;

void endAtOnce() {
    // The run's summary cannot be put together here; this is what can be said.
    constexpr std::string_view saved =
        "Ended at once by a second stop request; the log went to the day's log file.\r\n";
    constexpr std::string_view kept =
        "Ended at once by a second stop request; the log stays in its journal.\r\n";
    const std::string_view note = saveJournalNow() ? saved : kept;
    writeAll(::GetStdHandle(STD_ERROR_HANDLE), note);
    ::ExitProcess(STATUS_CONTROL_C_EXIT);
}

// Runs on a thread of its own that the system starts for each console event.
BOOL WINAPI onConsoleEvent(DWORD event) {
    if (deferred) {
        return TRUE;
    }
    if (stopRequests.fetch_add(1) > 0) {
        endAtOnce();
    }
    if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT) {
        // The process ends when this returns: the run gets the time the system allows to end
        // through its closing lines, and what is left of its log stays in the journal.
        ::Sleep(kCloseWaitMs);
        saveJournalNow();
    }
    return TRUE;
}

} // namespace

void installStopSignals() {
    ::SetConsoleCtrlHandler(onConsoleEvent, TRUE);
}

void ignoreFileSizeLimitSignal() {
    // Windows has no file size limit signal: a write past a limit fails by itself.
}

bool stopSignalled() {
    return stopRequests > 0;
}

void deferStopSignals() {
    deferred = true;
}

bool standardErrorIsTerminal() {
    // The status line is redrawn with escape sequences, which a console takes only once asked.
    const HANDLE error = ::GetStdHandle(STD_ERROR_HANDLE);
    DWORD mode = 0;
    return ::GetConsoleMode(error, &mode) &&
           ::SetConsoleMode(error, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING);
}

} // namespace orvane::platform
