#pragma once

#include <QObject>
#include <QSocketNotifier>

#include <functional>
#include <memory>

namespace orvane::windows {

// SIGTERM, SIGINT and SIGHUP (a desktop ending its session, a terminal's Ctrl+C or hang-up)
// close the window as Quit does, so the session log is saved. A signal handler may do
// almost nothing, so it only writes the signal's number into a pipe; the event loop reads
// it and calls `unload`. The window runs it at its next yield, also in the middle of a run.
//
// One instance at a time; the destructor puts the previous handlers back.
class UnloadSignals final {
public:
    explicit UnloadSignals(std::function<void(int signal)> unload);
    ~UnloadSignals();
    UnloadSignals(const UnloadSignals&) = delete;
    UnloadSignals& operator=(const UnloadSignals&) = delete;

private:
    void readSignal();

    std::function<void(int)> unload_;
    int pipe_[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace orvane::windows
