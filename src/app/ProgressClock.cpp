#include "app/ProgressClock.h"

#include "support/ValueFormat.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace orvane {

namespace {

// Runs one label update; an update whose arithmetic fails leaves its label as it was.
template <typename Update> void skipOnFailure(Update update) {
    try {
        update();
    } catch (const std::overflow_error&) {
    } catch (const std::domain_error&) {
    }
}

std::int32_t secondsEstimate(Amount remaining, Amount perTick) {
    if (perTick.isZero()) {
        throw std::domain_error("no bytes copied since the last tick");
    }
    const double estimate = std::nearbyint(remaining.value() / perTick.value());
    if (!(estimate >= std::numeric_limits<std::int32_t>::min() &&
          estimate <= std::numeric_limits<std::int32_t>::max())) {
        throw std::overflow_error("estimate out of range");
    }
    return static_cast<std::int32_t>(estimate);
}

} // namespace

void ProgressClock::tmrClock_Timer(std::uint32_t now) {
    if (state_.ListCopyActive) {
        tickListCopy();
    } else {
        tickOtherwise();
    }
    showElapsed(now);
}

void ProgressClock::tickListCopy() {
    Amount previous = state_.CRemainingLast;
    bool remainingKnown = false;
    skipOnFailure([&] {
        state_.CRemainingLast =
            (state_.CTotalFileSizeStart - state_.CTotalFileSizetrans).times(Amount::kScale);
        remainingKnown = true;
    });
    const Amount remaining = state_.CRemainingLast;
    // The rate and the estimate are measured against this tick's remaining size; with the
    // previous one in its place they would claim that nothing was copied.
    if (remainingKnown) {
        // On the first tick of the list copy there is no previous figure: the rate then reads
        // as the whole remaining size and the estimate as one second.
        skipOnFailure([&] {
            if (previous.isZero()) {
                previous = remaining.times(2);
            }
        });
        skipOnFailure([&] {
            window_.lblTime[2].setCaption(
                "Data rate: " + FormatSize(previous - remaining, decimalSeparator_) + "ps");
        });
    }
    skipOnFailure([&] {
        window_.lblTime[3].setCaption(
            "Total size todo: " +
            FormatSize(state_.CTotalFileSize.times(Amount::kScale), decimalSeparator_));
    });
    if (remainingKnown) {
        skipOnFailure([&] {
            const std::int32_t seconds = secondsEstimate(remaining, previous - remaining);
            window_.lblTime[1].setCaption("Estimated time: " +
                                          FormatDuration(seconds, false, false, false, false));
        });
    }
}

void ProgressClock::tickOtherwise() {
    skipOnFailure([&] {
        if (window_.mnuOptDcopy.checked()) {
            // In direct mode the to-do total starts at 0 and each report lowers it, so its
            // magnitude is what has been copied so far.
            window_.lblTime[3].setCaption(
                "Total size done: " +
                FormatSize(state_.CTotalFileSize.times(Amount::kScale), decimalSeparator_));
        } else {
            window_.lblTime[3].setCaption("Total size todo: " +
                                          FormatSize(state_.CTotalFileSize, decimalSeparator_));
        }
    });
}

void ProgressClock::showElapsed(std::uint32_t now) {
    const std::int64_t elapsed =
        static_cast<std::int64_t>(static_cast<std::int32_t>(now)) - state_.StartTick;
    // A tick count that changed sign since Start gives a difference that does not fit.
    if (elapsed < std::numeric_limits<std::int32_t>::min() ||
        elapsed > std::numeric_limits<std::int32_t>::max()) {
        return;
    }
    window_.lblTime[0].setCaption(
        "Time elapsed: " +
        FormatDuration(static_cast<std::int32_t>(elapsed), false, false, true, false));
}

} // namespace orvane
