#pragma once

#include "state/YieldHook.h"
#include "windows/WindowDialogs.h"
#include "windows/frmDebug.h"
#include "windows/frmErr.h"
#include "windows/frmHistory.h"
#include "windows/frminfo.h"

#include <QPointer>

#include <functional>
#include <string>

namespace orvane {
class SessionLog;
struct MainWindowElements;
struct RunState;
} // namespace orvane

namespace orvane::windows {

// What the secondary windows read from the rest of the program.
struct SecondaryWindowsContext {
    SessionLog& log;
    const RunState& state;
    MainWindowElements& mainWindow;
    const WindowDialogs& dialogs;
    YieldHook yield;
    std::string historyFile;
    // Read at every About command: the use count is known only once the main window loaded.
    std::function<InfoFacts()> info;
};

// The main window's commands that open the report, debug, history and info windows. Each
// window opens without blocking the main window and is unloaded (destroyed) when closed, so
// the next command loads it afresh.
class SecondaryWindows {
public:
    SecondaryWindows(QWidget& owner, SecondaryWindowsContext context);
    ~SecondaryWindows();
    SecondaryWindows(const SecondaryWindows&) = delete;
    SecondaryWindows& operator=(const SecondaryWindows&) = delete;

    // Report: loads and shows the report window, or only brings it forward when it is open.
    frmErr& showReport();
    // debug: shows the debug window, loading it first when it is closed.
    frmDebug& showDebug();
    // History: loads the history window when needed and reads the history file into it; the
    // window may close again at once when there is no history to show.
    void showHistory();
    // About: loads the info window when needed, sets its language code to "eng", shows it.
    frminfo& showAbout();

    // The main window's unload closes the report window before the log is saved.
    void unloadReport();

    frmErr* report() const { return report_; }
    frmDebug* debug() const { return debug_; }
    frmHistory* history() const { return history_; }
    frminfo* info() const { return info_; }

private:
    QWidget& owner_;
    SecondaryWindowsContext context_;
    QPointer<frmErr> report_;
    QPointer<frmDebug> debug_;
    QPointer<frmHistory> history_;
    QPointer<frminfo> info_;
};

} // namespace orvane::windows
