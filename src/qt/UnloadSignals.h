#pragma once

#include "platform/UnloadSignalPipe.h"

#include <QSocketNotifier>

#include <functional>
#include <memory>

namespace orvane::qt {

// SIGTERM, SIGINT and SIGHUP close the window as Quit does, so the session log is saved: the
// event loop watches the platform's signal pipe and calls `unload`. The window runs it at
// its next yield, also in the middle of a run.
//
// One instance at a time; the destructor puts the previous handlers back.
class UnloadSignals final {
public:
    explicit UnloadSignals(std::function<void(int signal)> unload);
    UnloadSignals(const UnloadSignals&) = delete;
    UnloadSignals& operator=(const UnloadSignals&) = delete;

private:
    void readSignal();

    std::function<void(int)> unload_;
    platform::UnloadSignalPipe pipe_;
    // Declared after the pipe, so it stops watching before the pipe is closed.
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace orvane::qt
