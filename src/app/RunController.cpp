#include "app/RunController.h"

#include "app/DestinationPath.h"
#include "engine/CopySourceTree.h"
#include "engine/DestinationDirs.h"
#include "engine/FileOperations.h"
#include "platform/TickCount.h"
#include "support/PercentText.h"
#include "support/ValueFormat.h"

namespace orvane {

namespace {

const std::string kRule(46, '-');

bool folderMissing(const std::string& path) {
    return path.empty() || !FolderExists(path);
}

// However a run ends, even by an exception, none of its destination folders stays open: the
// drive that holds them could not be unmounted while the window is open.
class ReleaseFoldersAtEnd {
public:
    explicit ReleaseFoldersAtEnd(RunState& state) : state_(state) {}
    ~ReleaseFoldersAtEnd() { state_.destinationFolders.clear(); }
    ReleaseFoldersAtEnd(const ReleaseFoldersAtEnd&) = delete;
    ReleaseFoldersAtEnd& operator=(const ReleaseFoldersAtEnd&) = delete;

private:
    RunState& state_;
};

} // namespace

ControllerClocks systemClocks() {
    return {platform::tickCount, platform::localNow};
}

RunController::RunController(RunState& state, MainWindowElements& window, SessionLog& log,
                             YieldHook yieldHook, OptionQuestion& question, ControllerClocks clocks,
                             std::string decimalSeparator)
    : state_(state), window_(window), log_(log), yieldHook_(std::move(yieldHook)),
      question_(question), clocks_(std::move(clocks)), decimalSeparator_(decimalSeparator),
      clock_(state, window, std::move(decimalSeparator)) {}

RunContext RunController::context() const {
    RunContext run{state_, window_, log_, yieldHook_};
    run.decimalSeparator = decimalSeparator_;
    return run;
}

std::string RunController::dateAndTime() const {
    const platform::LocalTime now = clocks_.now();
    return platform::shortDate(now) + " " + platform::shortTime(now);
}

void RunController::cmdStart_Click() {
    const ReleaseFoldersAtEnd release(state_);
    stopClicked_ = false;
    prepareWindow();
    confirmOptions();
    log_.AddLogEntry("Start copying on " + dateAndTime());
    bool composed = false;
    std::string sourceName;
    if (checkFolders(composed, sourceName)) {
        context().yield();
        copyTree();
        lastEnding_ = RunEnding::Completed;
    }
    finishRun(composed, sourceName);
}

void RunController::prepareWindow() {
    window_.cmdStart.setEnabled(false);
    window_.fraDestination.setEnabled(false);
    window_.fraSource.setEnabled(false);
    window_.fraCopy.setVisible(true);
    state_.resetForRun(static_cast<std::int32_t>(clocks_.tickCount()));
    window_.tmrClock.setEnabled(true);
    tmrClock_Timer();
    window_.mnuOpt.setEnabled(false);
    window_.cmdPause.setEnabled(true);
    window_.pbTotalFiles.setValue(0);
    window_.pbTotalFiles.setMax(1);
    window_.lstCopy.clear();
    window_.lblTime[1].setCaption("Estimated time: 00:00:00");
    window_.lblTime[2].setCaption("Data rate: 0 Bps");
    window_.lblTime[3].setCaption("Total size todo: 0 B");
    window_.pbTotalFiles.setText(PercentText(0, 3, decimalSeparator_));
    window_.pbFileCopy.setText(PercentText(0, 1, decimalSeparator_));
}

void RunController::confirmOptions() {
    if (window_.mnuOptMove.checked() &&
        !question_.confirm("Move files, is still on\r\nok = move, cancel = copy")) {
        window_.mnuOptMove.setChecked(false);
    }
    if (window_.mnuOptDcopy.checked() &&
        !question_.confirm("Direct copy, is still on\r\nok = direct, cancel = search")) {
        window_.mnuOptDcopy.setChecked(false);
    }
}

bool RunController::checkFolders(bool& composed, std::string& sourceName) {
    const RunContext run = context();
    const std::string typed = window_.txtSource.caption();
    // Both readings of the typed path must be a folder: the system's, and the one of the text
    // with its "." and ".." resolved, which is the folder the run copies.
    const std::string source = typed.empty() ? typed : AbsoluteSource(run.paths, typed);
    if (folderMissing(typed) || folderMissing(source)) {
        log_.AddLogEntry("Source Path error: " + typed);
        lastEnding_ = RunEnding::SourcePathError;
        return false;
    }
    // The engine reads the source from the box: it walks the folder that was named.
    window_.txtSource.setCaption(source);
    sourceName = LastPathPart(source);
    window_.txtDestination.setCaption(
        ComposeDestination(run.paths, window_.txtDestination.caption(), sourceName));
    composed = true;
    const std::string destination = window_.txtDestination.caption();
    // Checked before any folder is made: nothing of the tree may be touched.
    const bool insideSource = DestinationInsideSource(source, destination);
    if (!insideSource) {
        folderMissing(destination) ? MakeDestinationDir(run, destination)
                                   : TakeOverExistingDir(run, destination, source);
    }
    if (insideSource || folderMissing(window_.txtDestination.caption())) {
        log_.AddLogEntry("Destination Path error: " + destination);
        lastEnding_ = RunEnding::DestinationPathError;
        return false;
    }
    return true;
}

void RunController::copyTree() {
    CopySourceTree(context(), window_.mnuOptDcopy.checked());
    const auto elapsed = static_cast<std::int32_t>(clocks_.tickCount() -
                                                   static_cast<std::uint32_t>(state_.StartTick));
    log_.AddLogEntry("Total time taken " + FormatDuration(elapsed, false, false, true, false));
}

void RunController::finishRun(bool composed, const std::string& sourceName) {
    if (state_.pendingError.error) {
        log_.AddLogEntry("Err " + std::to_string(state_.pendingError.error.code()) + ": " +
                         state_.pendingError.description);
    }
    if (state_.RunControl == run_control::stop) {
        log_.AddLogEntry("User clicked [STOP]");
    }
    log_.AddLogEntry("Stopped copying on " + dateAndTime());
    log_.AddLogEntry(kRule);
    window_.txtDestination.setCaption(RestoreDestination(
        context().paths, window_.txtDestination.caption(), sourceName, composed));
    returnToIdle();
}

void RunController::returnToIdle() {
    window_.tmrClock.setEnabled(false);
    window_.fraCopy.setVisible(false);
    window_.cmdStart.setEnabled(true);
    window_.fraDestination.setEnabled(true);
    window_.fraSource.setEnabled(true);
    window_.mnuOpt.setEnabled(true);
    window_.cmdCancel.setEnabled(true);
    window_.cmdPause.setEnabled(false);
    window_.lblInfo[1].setCaption("Copying file:");
}

void RunController::cmdCancel_Click() {
    state_.RunControl = run_control::stop;
    stopClicked_ = true;
    window_.cmdCancel.setEnabled(false);
    window_.cmdPause.setCaption("&Pause");
    log_.AddLogEntry("User clicked on [Stop]");
}

void RunController::cmdPause_Click() {
    if (state_.RunControl != run_control::none) {
        // A click on Pause while a stop is pending withdraws the stop.
        stopClicked_ = stopClicked_ && state_.RunControl != run_control::stop;
        state_.RunControl = run_control::none;
        window_.cmdPause.setCaption("&Pause");
    } else {
        state_.RunControl = run_control::pause;
        window_.cmdPause.setCaption("Un&pause");
    }
}

void RunController::cmdCancelLoad_Click() {
    state_.RunControl = run_control::stop;
    stopClicked_ = true;
}

void RunController::tmrClock_Timer() {
    clock_.tmrClock_Timer(clocks_.tickCount());
}

} // namespace orvane
