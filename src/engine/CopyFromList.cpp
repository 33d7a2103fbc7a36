#include "engine/CopyFromList.h"

#include "engine/DestinationDirs.h"
#include "engine/PlaceFile.h"
#include "engine/ReopenedFolders.h"
#include "support/DecimalText.h"
#include "support/PercentText.h"

namespace orvane {

namespace {

void showListProgress(const RunContext& run) {
    auto& bar = run.window.pbTotalFiles;
    run.window.lblInfo[0].composeCaption([&bar](std::string& caption) {
        caption += "Files: ";
        AppendDecimal(caption, bar.Value());
        caption += '/';
        AppendDecimal(caption, bar.Max());
    });
    const double ratio = bar.Max() == 0 ? 0.0 : static_cast<double>(bar.Value()) / bar.Max();
    bar.composeText(
        [&](std::string& text) { AppendPercentText(text, ratio, 3, run.decimalSeparator); });
}

// A skipped file counts as done at once: its bytes move from the to-do to the done total (both
// in the raw scale by now) and the file bar shows full.
void countSkippedFile(const RunContext& run, std::int64_t size) {
    run.state.CTotalFileSize -= Amount::fromRaw(size);
    run.state.CTotalFileSizetrans += Amount::fromRaw(size);
    run.window.pbFileCopy.setValue(run.window.pbFileCopy.Max());
}

void placeFirstItem(const RunContext& run, std::int32_t& FileNumber, ReopenedFolders& folders,
                    FilePair& pair) {
    if (!SplitCopyListItem(run, run.window.lstCopy.first(), pair)) {
        return;
    }
    pair.sourceFolder = folders.holding(pair);
    const Placement placed = PlaceFile(run, pair, FileNumber, pair.name);
    if (placed.skipped) {
        countSkippedFile(run, placed.skippedSize);
    }
}

// Only the folder the survey listed: whatever has taken its place since stays. A source given
// with a separator at its end named its contents, not itself, so that folder stays too.
void removeSourceRoot(const RunContext& run) {
    const std::string root = run.window.txtSource.caption();
    if (root.ends_with(run.paths.separator())) {
        return;
    }
    if (const auto listed = run.state.listedFolders.find(root);
        listed != run.state.listedFolders.end()) {
        platform::removeListedFolder(root, listed->second);
    }
}

void finishListRun(const RunContext& run) {
    run.state.ListCopyActive = false;
    run.state.RunControl = run_control::none;
    run.window.cmdCancel.setEnabled(true);
    run.window.tmrClock.setEnabled(false);
}

} // namespace

bool SplitCopyListItem(const RunContext& run, std::string_view item, FilePair& pair) {
    const std::string& sourceRoot = run.window.txtSource.caption();
    const std::string& destinationRoot = run.window.txtDestination.caption();
    for (auto cut = item.find("::"); cut != std::string::npos; cut = item.find("::", cut + 1)) {
        const std::string_view source = item.substr(0, cut), destination = item.substr(cut + 2);
        if (run.paths.mapsTo(source, destination, sourceRoot, destinationRoot)) {
            // Cleared and appended to: the storage stays, without assign's general replace.
            pair.source.clear();
            pair.source.append(source);
            pair.destination.clear();
            pair.destination.append(destination);
            pair.name.clear();
            pair.name.append(run.paths.lastPartView(source));
            return true;
        }
    }
    return false;
}

void CopyFromList(const RunContext& run) {
    run.state.ListCopyActive = true;
    std::int32_t FileNumber = 0;
    auto& list = run.window.lstCopy;
    // An empty list at the start copies nothing, and so has emptied no source folder either:
    // one that is empty was empty before the run (or the survey stopped before any file).
    const bool emptyAtStart = list.empty();
    bool stopped = false;
    ReopenedFolders folders(run);
    FilePair pair;
    while (!list.empty()) {
        run.waitWhilePaused();
        if (run.stopOrPauseRequested()) {
            stopped = true;
            break;
        }
        list.setListIndex(0);
        showListProgress(run);
        placeFirstItem(run, FileNumber, folders, pair);
        auto& bar = run.window.pbTotalFiles;
        if (bar.Value() != bar.Max()) {
            bar.setValue(bar.Value() + 1);
        }
        list.removeFirst();
        run.yield();
    }
    FinishDestinationDirs(run);
    if (!stopped && !emptyAtStart && run.window.mnuOptMove.checked()) {
        removeSourceRoot(run);
    }
    finishListRun(run);
}

} // namespace orvane
