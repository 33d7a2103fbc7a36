#pragma once

#include "app/OptionQuestion.h"
#include "app/ProgressClock.h"
#include "engine/RunContext.h"
#include "platform/LocaleFacts.h"
#include "state/MainWindowElements.h"
#include "state/RunState.h"
#include "support/SessionLog.h"

#include <cstdint>
#include <functional>
#include <string>

namespace orvane {

// How the last run ended, for a front end that reports it beyond the log.
enum class RunEnding { NotRun, Completed, SourcePathError, DestinationPathError };

// The clocks the controller reads; tests replace them to pin the texts.
struct ControllerClocks {
    std::function<std::uint32_t()> tickCount;
    std::function<platform::LocalTime()> now;
};
ControllerClocks systemClocks();

// What happens between a press of Start and the end of that run, and the three commands
// that steer a run from outside. Everything runs on one thread: Stop, Pause and the clock's
// tick run while the run yields.
class RunController {
public:
    RunController(RunState& state, MainWindowElements& window, SessionLog& log, YieldHook yieldHook,
                  OptionQuestion& question, ControllerClocks clocks, std::string decimalSeparator);

    void cmdStart_Click();
    void cmdCancel_Click();
    void cmdPause_Click();
    void cmdCancelLoad_Click();
    void tmrClock_Timer();

    RunEnding lastEnding() const { return lastEnding_; }
    // True when Stop (or the save panel's Cancel) was clicked during the last run, also in
    // survey mode, where the list run clears the flag before the run ends.
    bool lastRunStopped() const { return stopClicked_; }

private:
    RunContext context() const;
    void prepareWindow();
    void confirmOptions();
    bool checkFolders(bool& composed, std::string& sourceName);
    void copyTree();
    void finishRun(bool composed, const std::string& sourceName);
    void returnToIdle();
    std::string dateAndTime() const;

    RunState& state_;
    MainWindowElements& window_;
    SessionLog& log_;
    YieldHook yieldHook_;
    OptionQuestion& question_;
    ControllerClocks clocks_;
    std::string decimalSeparator_;
    ProgressClock clock_;
    RunEnding lastEnding_ = RunEnding::NotRun;
    bool stopClicked_ = false;
};

} // namespace orvane
