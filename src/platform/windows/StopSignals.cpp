#include "platform/StopSignals.h"

#include "platform/JournalFile.h"
#include "platform/windows/SystemPath.h"

#include <atomic>
#include <string_view>

namespace orvane::platform {

namespace {

std::atomic<int> stopRequests{0};

// Who writes the session's block to the day's log file: the main thread's final save, or a
// handler that ends the process. Claimed once, so the block is never written twice.
enum class Saver { None, Main, Handler };
std::atomic<Saver> saver{Saver::None};

// A closed console window gives the program this long before the system ends it.
constexpr DWORD kCloseWaitMs = 4500;

bool claimSave(Saver who) {
    Saver none = Saver::None;
    return saver.compare_exchange_strong(none, who);
}

bool isClosing(DWORD event) {
    return event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT;
}

void endAtOnce() {
    // The run's summary cannot be put together here; this is what can be said.
    constexpr std::string_view saved =
        "Ended at once by a second stop request; the log went to the day's log file.\r\n";
    constexpr std::string_view kept =
        "Ended at once by a second stop request; the log stays in its journal.\r\n";
    const std::string_view note = claimSave(Saver::Handler) && saveJournalNow() ? saved : kept;
    writeAll(::GetStdHandle(STD_ERROR_HANDLE), note);
    ::ExitProcess(STATUS_CONTROL_C_EXIT);
}

// Runs on a thread of its own that the system starts for each console event. For a close,
// log-off or shutdown the process ends when this returns, so it returns only once the block is
// saved; the system ends the process anyway when its time is up.
BOOL WINAPI onConsoleEvent(DWORD event) {
    if (saver != Saver::None) {
        if (isClosing(event)) {
            ::Sleep(INFINITE); // the block is being saved: the program ends when it is done
        }
        return TRUE;
    }
    if (stopRequests.fetch_add(1) > 0) {
        endAtOnce();
    }
    if (isClosing(event)) {
        // The run gets the time the system allows to end through its closing lines; if it
        // has not begun its final save by then, the journal's lines are saved here.
        ::Sleep(kCloseWaitMs);
        if (!claimSave(Saver::Handler)) {
            ::Sleep(INFINITE);
        }
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
    if (!claimSave(Saver::Main)) {
        // A handler is saving the block and ends the process when done.
        ::Sleep(INFINITE);
    }
}

bool standardErrorIsTerminal() {
    // The status line is redrawn with escape sequences, which a console takes only once asked.
    const HANDLE error = ::GetStdHandle(STD_ERROR_HANDLE);
    DWORD mode = 0;
    return ::GetConsoleMode(error, &mode) &&
           ::SetConsoleMode(error, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING);
}

} // namespace orvane::platform
