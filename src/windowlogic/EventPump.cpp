#include "windowlogic/EventPump.h"

namespace orvane::windowlogic {

void EventPump::operator()() {
    if (stopped_) {
        return;
    }
    if (state_.RunControl == run_control::pause) {
        handleEvents(true, true);
        return;
    }
    const Clock::time_point now = now_();
    if (now - lastHandled_ < interval_) {
        return;
    }
    const bool showView = now - lastShown_ >= showInterval_;
    if (showView) {
        lastShown_ = now;
    }
    handleEvents(false, showView);
    // Measured after the handling: a long handler (a modal box) must not leave the next
    // yield owing an immediate second round.
    lastHandled_ = now_();
}

void EventPump::handleEvents(bool wait, bool showView) {
    const bool deferring = sync_.deferring();
    if (showView) {
        sync_.flush();
    }
    // Changes made by the handlers show at once; the run's own changes still wait.
    sync_.setDeferring(false, false);
    if (wait) {
        events_.waitForEvents();
    } else {
        events_.handleEvents();
    }
    sync_.setDeferring(deferring, false);
}

} // namespace orvane::windowlogic
