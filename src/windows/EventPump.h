#pragma once

#include "state/RunState.h"
#include "windows/ViewSync.h"

#include <QEventLoop>

#include <chrono>

namespace orvane::windows {

// The run's yield to the event loop. The engine yields at every folder, list item and chunk
// report, thousands of times a second on small files; handling events and repainting at each
// of them made a run of small files several times slower than the same run without a
// window. So events are handled at most once per interval, which also lets the repaints of
// many assignments collapse into one. A click waits at most one interval plus one step of
// the engine (one small file, or one chunk of a large one).
//
// While the run is paused the engine yields in a loop until the flag changes; the pump then
// sleeps in the event loop until the next event instead of spinning.
class EventPump {
public:
    static constexpr std::chrono::milliseconds kInterval{25};

    // Before events are handled the widgets take their elements' states, and while they are
    // handled every change shows at once, as a click handler expects.
    EventPump(const RunState& state, std::chrono::milliseconds interval, ViewSync& sync)
        : state_(state), interval_(interval), sync_(sync) {}

    void operator()();

    // After the window has unloaded, the run must go no further: it gets no more events, so
    // it runs down to its end without the user's input.
    void stop() { stopped_ = true; }
    bool stopped() const { return stopped_; }

private:
    void handleEvents(QEventLoop::ProcessEventsFlags flags);

    const RunState& state_;
    std::chrono::milliseconds interval_;
    ViewSync& sync_;
    std::chrono::steady_clock::time_point last_{};
    bool stopped_ = false;
};

} // namespace orvane::windows
