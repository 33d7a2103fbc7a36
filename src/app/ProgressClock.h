#pragma once

#include "state/MainWindowElements.h"
#include "state/RunState.h"

#include <cstdint>
#include <string>
#include <utility>

namespace orvane {

// The clock's tick: refreshes the elapsed time, the data rate, the estimate and the total
// size from the run state. Each of these updates stands alone; one whose arithmetic fails
// (a division by zero, a result that does not fit, a tick count that changed sign) is
// skipped and its label keeps its text.
class ProgressClock {
public:
    ProgressClock(RunState& state, MainWindowElements& window, std::string decimalSeparator)
        : state_(state), window_(window), decimalSeparator_(std::move(decimalSeparator)) {}

    // `now` is the tick count at this tick.
    void tmrClock_Timer(std::uint32_t now);

private:
    void tickListCopy();
    void tickOtherwise();
    void showElapsed(std::uint32_t now);

    RunState& state_;
    MainWindowElements& window_;
    std::string decimalSeparator_;
};

} // namespace orvane
