#pragma once

#include "platform/DestinationTree.h"
#include "platform/DriveSpace.h"
#include "platform/LocaleFacts.h"
#include "platform/PathRules.h"
#include "state/MainWindowElements.h"
#include "state/RunState.h"
#include "state/YieldHook.h"
#include "support/SessionLog.h"

#include <functional>

namespace orvane {

// Everything one step of the engine works with: the run state, the window elements it
// writes to, the session log, and the hook through which it yields to the event loop.
struct RunContext {
    RunState& state;
    MainWindowElements& window;
    SessionLog& log;
    YieldHook yieldHook;
    platform::PathRules paths = platform::nativePathRules;
    std::string decimalSeparator = platform::decimalSeparator();
    // The free space of the file system that will hold a destination, and its mount point,
    // which the log names as the drive; a test puts a drive of any size here.
    std::function<platform::DriveSpace(const std::string&)> driveSpace = platform::queryDriveSpace;

    void yield() const {
        if (yieldHook) {
            yieldHook();
        }
    }
    void addLog(std::string_view line) const { log.AddLogEntry(line); }
    void reportProblem(const std::string& path, const std::string& reason) const {
        if (state.problemListener) {
            state.problemListener(path, reason);
        }
    }
    void reportResumed(const std::string& path, std::int64_t resumedBytes,
                       std::int64_t size) const {
        if (state.resumeListener) {
            state.resumeListener(path, resumedBytes, size);
        }
    }
    // A destination path as an entry of the run's destination tree, whose root is the
    // destination box: below it the platform follows no link.
    platform::TreePath inDestination(const std::string& path) const {
        return {window.txtDestination.caption(), path, &state.destinationFolders};
    }
    bool stopOrPauseRequested() const { return state.RunControl != run_control::none; }
    // Yields for as long as the run is paused; a stop or an unpause ends the wait.
    void waitWhilePaused() const {
        while (state.RunControl == run_control::pause) {
            yield();
        }
    }
};

} // namespace orvane
