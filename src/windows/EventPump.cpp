#include "windows/EventPump.h"

#include <QCoreApplication>

namespace orvane::windows {

void EventPump::operator()() {
    if (stopped_) {
        return;
    }
    if (state_.RunControl == run_control::pause) {
        handleEvents(QEventLoop::WaitForMoreEvents, true);
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
    handleEvents(QEventLoop::AllEvents, showView);
    // Measured after the handling: a long handler (a modal box) must not leave the next
    // yield owing an immediate second round.
    lastHandled_ = now_();
}

void EventPump::handleEvents(QEventLoop::ProcessEventsFlags flags, bool showView) {
    const bool deferring = sync_.deferring();
    if (showView) {
        sync_.flush();
    }
    // Changes made by the handlers show at once; the run's own changes still wait.
    sync_.setDeferring(false, false);
    QCoreApplication::processEvents(flags);
    sync_.setDeferring(deferring, false);
}

} // namespace orvane::windows
