#include "qt/UnloadSignals.h"

namespace orvane::qt {

UnloadSignals::UnloadSignals(std::function<void(int)> unload) : unload_(std::move(unload)) {
    if (pipe_.readEnd() < 0) {
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(pipe_.readEnd(), QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                     [this] { readSignal(); });
}

void UnloadSignals::readSignal() {
    if (const auto signal = pipe_.takeSignal(); signal && unload_) {
        unload_(*signal);
    }
}

} // namespace orvane::qt
