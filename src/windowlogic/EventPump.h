#pragma once

#include "state/RunState.h"
#include "windowlogic/ViewSync.h"

#include <chrono>
#include <functional>

namespace orvane::windowlogic {

// The toolkit's event loop, as the run's yields reach it.
class EventQueue {
public:
    virtual ~EventQueue() = default;
    // Handles every event waiting now and returns (Qt's processEvents, a PeekMessage loop).
    virtual void handleEvents() = 0;
    // Sleeps until an event comes, then handles what has come (MsgWaitForMultipleObjects).
    virtual void waitForEvents() = 0;
};

// The run's yield to the event loop. The engine yields at every folder, list item and chunk
// report, thousands of times a second on small files; handling events and repainting at each
// of them made a run of small files several times slower than the same run without a
// window. So events are handled at most once per interval, which also lets the repaints of
// many assignments collapse into one. A click waits at most one interval plus one step of
// the engine (one small file, or one chunk of a large one).
//
// The view changes less often still: a person reads a few updates a second, and each one
// composes the bars and repaints the panel. So the controls take their elements' states at
// most once per show interval, and the event handlings in between only answer the user.
//
// While the run is paused the engine yields in a loop until the flag changes; the pump then
// sleeps in the event loop until the next event instead of spinning.
class EventPump {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds kInterval{25};
    static constexpr std::chrono::milliseconds kShowInterval{200};

    // Before events are handled the controls take their elements' states (at most once per
    // `showInterval`), and while they are handled every change shows at once, as a click
    // handler expects.
    EventPump(const RunState& state, std::chrono::milliseconds interval,
              std::chrono::milliseconds showInterval, ViewSync& sync, EventQueue& events,
              std::function<Clock::time_point()> now = Clock::now)
        : state_(state), interval_(interval), showInterval_(showInterval), sync_(sync),
          events_(events), now_(std::move(now)) {}

    void operator()();

    // After the window has unloaded, the run must go no further: it gets no more events, so
    // it runs down to its end without the user's input.
    void stop() { stopped_ = true; }
    bool stopped() const { return stopped_; }

private:
    void handleEvents(bool wait, bool showView);

    const RunState& state_;
    std::chrono::milliseconds interval_;
    std::chrono::milliseconds showInterval_;
    ViewSync& sync_;
    EventQueue& events_;
    std::function<Clock::time_point()> now_;
    Clock::time_point lastHandled_{};
    Clock::time_point lastShown_{};
    bool stopped_ = false;
};

} // namespace orvane::windowlogic
