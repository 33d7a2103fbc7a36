#pragma once

#include "state/ListElement.h"
#include "windowlogic/SecondaryWindowViews.h"

#include <memory>

namespace orvane {
class SessionLog;
struct MainWindowElements;
} // namespace orvane

namespace orvane::windowlogic {

// The report window: the session log as a list, one line per item, kept up to date while
// the window is open. Loading it reports progress on the main window's save panel.
//
// Closed, loading, live: the constructor loads (it is the window's load), closing unloads.
// The load neither yields nor looks at the run-control flag. It takes well under a second for
// a log of a hundred thousand lines, so there is nothing to cancel, and a Stop still standing
// when it starts belongs to the copy run: it must not leave a half-filled list behind.
class frmErr {
public:
    // The window's own area as it opens, in twips; the list fills it at any size.
    static constexpr TwipsSize kSize{7200, 4800};

    frmErr(SessionLog& log, MainWindowElements& mainWindow, WindowMaker& maker);
    ~frmErr();
    frmErr(const frmErr&) = delete;
    frmErr& operator=(const frmErr&) = delete;

    // The window's toolkit calls it when the window is closed; later calls do nothing.
    void Form_Unload();
    bool loaded() const { return loaded_; }

    // The list box lstErr, which the window shows.
    ListElement lstErr;
    WindowView& view() { return *view_; }

private:
    void Form_Load();
    void copyLog();

    SessionLog& log_;
    MainWindowElements& mainWindow_;
    // Until unloaded, the log echoes into this window.
    bool loaded_ = false;
    // Made after the list it shows, and gone before it.
    std::unique_ptr<WindowView> view_;
};

} // namespace orvane::windowlogic
