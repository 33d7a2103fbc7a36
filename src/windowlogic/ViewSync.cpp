#include "windowlogic/ViewSync.h"

namespace orvane::windowlogic {

ViewSync::Slot& ViewSync::add(std::function<void()> show) {
    Slot& slot = slots_.emplace_back();
    slot.show = std::move(show);
    slot.show();
    return slot;
}

void ViewSync::changed(Slot& slot) {
    const bool paced = pace_ > std::chrono::steady_clock::duration::zero();
    if (!deferring_ && !paced) {
        slot.show();
        return;
    }
    if (!slot.pending) {
        slot.pending = true;
        pending_.push_back(&slot);
    }
    if (!paced) {
        return;
    }
    const auto now = std::chrono::steady_clock::now();
    if (!shownAt_ || now - *shownAt_ >= pace_) {
        shownAt_ = now;
        flush();
    }
}

void ViewSync::setPace(std::chrono::steady_clock::duration interval) {
    pace_ = interval;
    shownAt_.reset();
    flush();
}

void ViewSync::setDeferring(bool deferring, bool flushPending) {
    deferring_ = deferring;
    if (!deferring && flushPending) {
        flush();
    }
}

void ViewSync::flush() {
    // Showing a state never changes an element, so the list cannot grow while it is read.
    for (Slot* slot : pending_) {
        slot->pending = false;
        slot->show();
    }
    pending_.clear();
}

} // namespace orvane::windowlogic
