#pragma once

#include "app/RunController.h"
#include "platform/ProgramFolders.h"
#include "state/MainWindowElements.h"
#include "state/RunState.h"
#include "support/SessionLog.h"
#include "windows/CopyListModel.h"
#include "windows/EventPump.h"
#include "windows/MenuShortcutsFirst.h"
#include "windows/ProgressBinding.h"
#include "windows/SecondaryWindows.h"
#include "windows/ViewSync.h"
#include "windows/WebAddresses.h"
#include "windows/WindowDialogs.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace orvane::windows {

// What the main window is started with: where the program keeps its INI file and its logs,
// the argument text, the clocks, and the dialogs. Tests start the window
// in a scratch folder, with pinned clocks and scripted dialogs.
struct ProgramSetup {
    platform::ProgramFolders folders;
    std::string argumentText;
    ControllerClocks clocks;
    std::string decimalSeparator = ".";
    WindowDialogs dialogs;
    // How often the run handles events at most; tests set 0 to see every yield.
    std::chrono::milliseconds yieldInterval = EventPump::kInterval;
    // How often the run's changes reach the widgets at most; tests set 0 to see each one.
    std::chrono::milliseconds showInterval = EventPump::kShowInterval;
    // Ends the program after the window has unloaded; by default the event loop returns.
    std::function<void()> endProgram;
};

// The setup of the running program: its own folders, the system clocks, Qt's dialogs.
ProgramSetup RunningProgramSetup(std::string argumentText);

// The program's main window. It holds no decisions: it shows the main-window elements and
// calls the run controller's handlers; the window's own handlers are the load and unload,
// the Options and Browse buttons, and the menus.
//
// The controls are public members under their own names, as the secondary windows and the
// tests reach them.
class frmMain final : public QMainWindow {
public:
    static constexpr int kHeight = 3795;
    static constexpr int kNarrowWidth = 6450;
    static constexpr int kOptionsWidth = 10000;
    static constexpr int kDebugWidth = 13050;

    // Loads the window (Form_Load); the caller shows it.
    explicit frmMain(ProgramSetup setup);
    ~frmMain() override;

    void Form_Load();
    void Form_Unload();
    // The unload of a signal or a failure: nobody may be there to close a message box, so a
    // log file that cannot be written is reported on standard error only.
    void unloadWithoutQuestions();

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

    // The window's size in twips, as last set.
    int Width() const { return widthTwips_; }
    int Height() const { return kHeight; }
    bool debugMode() const { return debugMode_; }
    bool unloaded() const { return unloaded_; }

    RunState& runState() { return state_; }
    MainWindowElements& elements() { return elements_; }
    SessionLog& sessionLog() { return log_; }
    RunController& controller() { return controller_; }
    SecondaryWindows& secondaryWindows() { return secondary_; }
    WindowDialogs& dialogs() { return setup_.dialogs; }

    // How many times the program has been started, this start included.
    std::int32_t UsageCount = 0;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setWidthTwips(int twips);
    void placeControls();
    void buildMenus();
    void bindElements();
    void connectHandlers();
    void browseInto(Control& box, std::string title);
    InfoFacts infoFacts() const;
    void cmdStart_Click();
    void showUncovered();

    ProgramSetup setup_;
    double dpi_;
    int widthTwips_ = kNarrowWidth;
    bool debugMode_ = false;
    bool unloaded_ = false;
    bool quietUnload_ = false;

    RunState state_;
    MainWindowElements elements_;
    SessionLog log_;
    ViewSync sync_;
    EventPump pump_{state_, setup_.yieldInterval, setup_.showInterval, sync_};
    DialogQuestion question_{*this, setup_.dialogs, sync_};
    RunController controller_;
    // The report, debug, history and info windows, which the menus open.
    SecondaryWindows secondary_;
    MenuShortcutsFirst shortcutsFirst_{*this};

public:
    // Declared parents first: a member is destroyed before the members above it, so every
    // child leaves its parent before the parent goes.
    QWidget client{this};

    // The folder frames and the button row, which the copy-status and save panels cover.
    // While a panel is shown this part is hidden, so that no key reaches a covered control.
    QWidget coveredPart{&client};
    QGroupBox fraSource{&coveredPart};
    QLineEdit txtSource{&fraSource};
    QPushButton cmdBrowseSou{&fraSource};
    QGroupBox fraDestination{&coveredPart};
    QLineEdit txtDestination{&fraDestination};
    QPushButton cmdBrowseDes{&fraDestination};
    QPushButton cmdStart{&coveredPart};
    QPushButton cmdOptions{QStringLiteral("&Options >>"), &coveredPart};

    QGroupBox fraCopy{&client};
    ProgressBarWidget pbTotalFiles{&fraCopy};
    ProgressBarWidget pbFileCopy{&fraCopy};
    std::array<QLabel, 2> lblInfo{{QLabel(&fraCopy), QLabel(&fraCopy)}};
    std::array<QLabel, 4> lblTime{
        {QLabel(&fraCopy), QLabel(&fraCopy), QLabel(&fraCopy), QLabel(&fraCopy)}};
    QPushButton cmdPause{&fraCopy};
    QPushButton cmdCancel{&fraCopy};
    QTimer tmrClock;

    QGroupBox fraSave{&client};
    QLabel lblSave{&fraSave};
    ProgressBarWidget pbSaveLog{&fraSave};
    QPushButton cmdCancelLoad{&fraSave};

    QListView lstCopy{&client};
    CopyListModel copyListModel{
        elements_.lstCopy, [this](int row) { lstCopy.setCurrentIndex(copyListModel.index(row)); }};

    QMenuBar menus{this};
    QMenu mnuMenu{QStringLiteral("&Menu")};
    QAction mnuMenuReport{QStringLiteral("&Report")};
    QAction mnuMenuS0;
    QAction mnuMenuQuit{QStringLiteral("Quit")};
    QMenu mnuOpt{QStringLiteral("&Options")};
    QAction mnuOptMove{QStringLiteral("Move Files")};
    QAction mnuOptDcopy{QStringLiteral("Direct Copy")};
    QAction mnuOptDebug{QStringLiteral("debug")};
    QMenu mnuHelp{QStringLiteral("Help")};
    QAction mnuHelpHistory{QStringLiteral("History")};
    QAction mnuHelpUpdate{QStringLiteral("Update @ Site")};
    QAction mnuHelpThanks{QStringLiteral("Special Thanks")};
    QAction mnuHelpAbout{QStringLiteral("&About")};
};

// The page that offers a newer version: the site, the update path and the short version.
std::string UpdateAddress();

// The three lines of the Special Thanks box, joined by CR LF.
std::string ThanksText();

// The project's own web site.
inline constexpr const char* kSiteAddress = web_addresses::makerSite;

} // namespace orvane::windows
