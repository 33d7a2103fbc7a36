#pragma once

#include <chrono>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace orvane::windowlogic {

// Carries the elements' changes to their controls. Outside a run each change is shown at
// once. During a run the engine assigns labels and bars several times per file, and each
// assignment to a control costs more than copying a small file; but nothing reaches the
// screen before the run yields to the event loop anyway. So during a run a change only marks
// its control, and the marked controls take their elements' states just before events are
// handled and when the run ends: the screen shows the same, and the last state of each
// element is the one shown.
class ViewSync {
public:
    // One bound element: how to show it, and whether a change waits to be shown.
    struct Slot {
        std::function<void()> show;
        bool pending = false;
    };

    // Registers a binding and shows it now. The slot lives as long as this object.
    Slot& add(std::function<void()> show);
    void changed(Slot& slot);

    // Ending the deferral shows what waits, unless `flushPending` is false (the event pump
    // answers the user between two showings of the run's changes).
    void setDeferring(bool deferring, bool flushPending = true);
    bool deferring() const { return deferring_; }
    void flush();

    // A loop that never returns to the event loop (the log save at exit) sets its bar twice
    // per line, and a synchronously presented bar composes its whole picture at each; the
    // screen shows a few dozen pictures a second. While a pace is set, the marked controls
    // take their elements' states at most once per `interval` (the first change at once);
    // setting a pace shows what waits.
    void setPace(std::chrono::steady_clock::duration interval);

private:
    std::deque<Slot> slots_;
    std::vector<Slot*> pending_;
    bool deferring_ = false;
    std::chrono::steady_clock::duration pace_{};
    // None until the pace's first showing: the steady clock counts from boot, so no time
    // point stands for "long ago" on a machine up for less than one interval.
    std::optional<std::chrono::steady_clock::time_point> shownAt_;
};

} // namespace orvane::windowlogic
