#include "engine/CopyProgress.h"

#include "support/PercentText.h"

#include <cmath>

namespace orvane {

namespace {

void showFileProgress(const RunContext& run, std::int64_t total, std::int64_t transferred) {
    // An empty file is complete as soon as it is reported: its bar shows full.
    const double ratio = total == 0 ? 1.0 : static_cast<double>(transferred) / total;
    // nearbyint rounds halves to the even neighbour in the default rounding mode.
    run.window.pbFileCopy.setValue(static_cast<int>(std::nearbyint(ratio * 100)));
    run.window.pbFileCopy.composeText(
        [&](std::string& text) { AppendPercentText(text, ratio, 1, run.decimalSeparator); });
}

void moveChunkBetweenTotals(const RunContext& run, std::int64_t transferred) {
    const Amount delta = Amount::fromRaw(transferred) - run.state.CLastTransferred;
    // Totals beyond the amount's range (files of exabytes) stay at its ends.
    bool saturated = false;
    run.state.CTotalFileSize = run.state.CTotalFileSize.plusSaturated(Amount{} - delta, saturated);
    run.state.CTotalFileSizetrans = run.state.CTotalFileSizetrans.plusSaturated(delta, saturated);
    run.state.CLastTransferred = Amount::fromRaw(transferred);
}

// The part of a file an earlier run left counts as done at once, like a skipped file's bytes;
// the clock's last remaining size moves with it, so that the data rate counts only what is
// copied now.
void countResumedPart(const RunContext& run, std::int64_t resumed) {
    const Amount part = Amount::fromRaw(resumed);
    run.state.CTotalFileSize -= part;
    run.state.CTotalFileSizetrans += part;
    run.state.CLastTransferred = part;
    if (!run.state.CRemainingLast.isZero()) {
        run.state.CRemainingLast -= part.times(Amount::kScale);
    }
}

} // namespace

void CopyProgress(const RunContext& run, const platform::CopyReport& report) {
    switch (report.reason) {
    case platform::CopyReason::ChunkFinished:
        showFileProgress(run, report.totalSize, report.transferred);
        moveChunkBetweenTotals(run, report.transferred);
        break;
    case platform::CopyReason::StreamSwitch:
        run.state.CLastTransferred = Amount{};
        break;
    case platform::CopyReason::Resumed:
        showFileProgress(run, report.totalSize, report.transferred);
        countResumedPart(run, report.transferred);
        break;
    }
    run.yield();
}

} // namespace orvane
