#pragma once

#include "windowlogic/frmDebug.h"
#include "windowlogic/frmErr.h"
#include "windowlogic/frmHistory.h"
#include "windowlogic/frminfo.h"

#include <functional>
#include <memory>
#include <string>

namespace orvane {
class SessionLog;
struct MainWindowElements;
struct RunState;
} // namespace orvane

namespace orvane::windowlogic {

class MainWindowView;

// What the secondary windows read from the rest of the program.
struct SecondaryWindowsContext {
    SessionLog& log;
    const RunState& state;
    MainWindowElements& mainWindowElements;
    // The boxes, the browser and the event loop.
    MainWindowView& mainWindow;
    WindowMaker& maker;
    std::string historyFile;
    std::string decimalSeparator;
    // Read at every About command: the use count is known only once the main window loaded.
    std::function<InfoFacts()> info;
};

// The main window's commands that open the report, debug, history and info windows. Each
// window opens without blocking the main window and is unloaded when closed, so the next
// command loads it afresh.
class SecondaryWindows {
public:
    explicit SecondaryWindows(SecondaryWindowsContext context);
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

    // Each window while it is loaded, else null.
    frmErr* report() const { return loadedOrNull(report_); }
    frmDebug* debug() const { return loadedOrNull(debug_); }
    frmHistory* history() const { return loadedOrNull(history_); }
    frminfo* info() const { return loadedOrNull(info_); }

private:
    template <typename Window> static Window* loadedOrNull(const std::unique_ptr<Window>& window) {
        return window != nullptr && window->loaded() ? window.get() : nullptr;
    }

    SecondaryWindowsContext context_;
    std::unique_ptr<frmErr> report_;
    std::unique_ptr<frmDebug> debug_;
    std::unique_ptr<frmHistory> history_;
    std::unique_ptr<frminfo> info_;
};

} // namespace orvane::windowlogic
