#pragma once

#include "app/RunController.h"
#include "platform/ProgramFolders.h"
#include "state/MainWindowElements.h"
#include "state/RunState.h"
#include "support/SessionLog.h"
#include "windowlogic/DialogQuestion.h"
#include "windowlogic/EventPump.h"
#include "windowlogic/MainWindowView.h"
#include "windowlogic/SecondaryWindows.h"
#include "windowlogic/ViewSync.h"
#include "windowlogic/WebAddresses.h"

#include <chrono>
#include <cstdint>
#include <string>

namespace orvane::windowlogic {

// What the main window is started with: where the program keeps its INI file and its logs,
// the argument text, and the clocks. Tests start the window in a scratch folder, with pinned
// clocks.
struct ProgramSetup {
    platform::ProgramFolders folders;
    std::string argumentText;
    ControllerClocks clocks;
    std::string decimalSeparator = ".";
    // How often the run handles events at most; tests set 0 to see every yield.
    std::chrono::milliseconds yieldInterval = EventPump::kInterval;
    // How often the run's changes reach the controls at most; tests set 0 to see each one.
    std::chrono::milliseconds showInterval = EventPump::kShowInterval;
};

// The main window's own controls besides the elements a run uses: the Options button's
// caption and the debug menu entry's visibility change; the other captions are fixed.
struct MainWindowOwnControls {
    Control cmdOptions{"&Options >>"};
    Control cmdBrowseSou{"&Browse..."};
    Control cmdBrowseDes{"Br&owse..."};
    Control mnuOptDebug{"debug"};
};

// The program's main window as it behaves, whatever toolkit shows it: the load and unload,
// the Options and Browse buttons, the menus, and the run controller's buttons and clock. The
// toolkit binds the elements to its controls, calls these handlers from its events, and
// serves the window's requests (`MainWindowView`, `WindowMaker`).
class frmMain {
public:
    static constexpr int kHeight = 3795;
    static constexpr int kNarrowWidth = 6450;
    static constexpr int kOptionsWidth = 10000;
    static constexpr int kDebugWidth = 13050;
    static constexpr FontSpec kFont{"MS Sans Serif", 8};
    // The progress clock's interval.
    static constexpr int kClockMs = 999;

    frmMain(ProgramSetup setup, MainWindowView& view, WindowMaker& maker);
    ~frmMain();
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;

    // The toolkit calls the load once its controls are bound, and the unload when its window
    // closes (the close box, the end of the desktop session); Quit unloads the window itself.
    void Form_Load();
    void Form_Unload();
    // The unload of a signal or a failure: nobody may be there to close a message box, so a
    // log file that cannot be written is reported on standard error only.
    void unloadWithoutQuestions();

    void cmdStart_Click();
    void cmdCancel_Click() { controller_.cmdCancel_Click(); }
    void cmdPause_Click() { controller_.cmdPause_Click(); }
    void cmdCancelLoad_Click() { controller_.cmdCancelLoad_Click(); }
    void tmrClock_Timer() { controller_.tmrClock_Timer(); }
    void cmdOptions_Click();
    void cmdBrowseSou_Click();
    void cmdBrowseDes_Click();
    void mnuMenuReport_Click();
    void mnuMenuQuit_Click();
    void mnuOptMove_Click();
    void mnuOptDcopy_Click();
    void mnuOptDebug_Click();
    void mnuHelpHistory_Click();
    void mnuHelpUpdate_Click();
    void mnuHelpThanks_Click();
    void mnuHelpAbout_Click();
    // The handler of a menu entry, for a toolkit that dispatches entries by their number.
    void menuCommand(MenuCommand command);

    // The window's outer size in twips, as last set.
    int Width() const { return widthTwips_; }
    int Height() const { return kHeight; }
    bool debugMode() const { return debugMode_; }
    bool unloaded() const { return unloaded_; }
    // How many times the program has been started, this start included.
    std::int32_t UsageCount = 0;

    RunState& runState() { return state_; }
    MainWindowElements& elements() { return elements_; }
    MainWindowOwnControls& ownControls() { return own_; }
    SessionLog& sessionLog() { return log_; }
    RunController& controller() { return controller_; }
    SecondaryWindows& secondaryWindows() { return secondary_; }
    // Carries the elements' changes to the toolkit's controls.
    ViewSync& sync() { return sync_; }

private:
    void setWidth(int twips);
    void browseInto(Control& box, std::string title);
    InfoFacts infoFacts() const;

    ProgramSetup setup_;
    MainWindowView& view_;
    int widthTwips_ = kNarrowWidth;
    bool debugMode_ = false;
    bool unloaded_ = false;
    bool quietUnload_ = false;

    RunState state_;
    MainWindowElements elements_;
    MainWindowOwnControls own_;
    SessionLog log_;
    ViewSync sync_;
    EventPump pump_;
    DialogQuestion question_{view_, sync_};
    RunController controller_;
    // The report, debug, history and info windows, which the menus open.
    SecondaryWindows secondary_;
};

// The page that offers a newer version: the site, the update path and the short version.
std::string UpdateAddress();

// The three lines of the Special Thanks box, joined by CR LF.
std::string ThanksText();

} // namespace orvane::windowlogic
