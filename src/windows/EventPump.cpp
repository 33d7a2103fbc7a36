#include "windows/EventPump.h"

#include <QCoreApplication>

namespace orvane::windows {

void EventPump::operator()() {
    if (stopped_) {
        return;
    }
    if (state_.RunControl == run_control::pause) {
        handleEvents(QEventLoop::WaitForMoreEvents);
        return;
    }
    const auto now = std::chrono::steady_clock::now();
    if (now - last_ < interval_) {
        return;
    }
    handleEvents(QEventLoop::AllEvents);
    // Measured after the handling: a long handler (a modal box) must not leave the next
    // yield owing an immediate second round.
    last_ = std::chrono::steady_clock::now();
}

void EventPump::handleEvents(QEventLoop::ProcessEventsFlags flags) {
    const bool deferring = sync_.deferring();
    sync_.setDeferring(false);
    QCoreApplication::processEvents(flags);
    sync_.setDeferring(deferring);
}

} // namespace orvane::windows
