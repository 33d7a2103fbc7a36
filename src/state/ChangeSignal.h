#pragma once

#include <functional>
#include <utility>

namespace orvane {

// The link from a plain element to whatever shows it. Headless runs leave it empty; the
// window binds a widget so that every assignment to the element repaints it at once.
class ChangeSignal {
public:
    void bind(std::function<void()> listener) { listener_ = std::move(listener); }
    void notify() const {
        if (listener_) {
            listener_();
        }
    }

private:
    std::function<void()> listener_;
};

} // namespace orvane
