#pragma once

#include "qt/CopyListModel.h"
#include "qt/MenuShortcutsFirst.h"
#include "qt/OuterSize.h"
#include "qt/ProgressBinding.h"
#include "qt/WindowDialogs.h"
#include "windowlogic/frmMain.h"

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
#include <functional>
#include <string>

namespace orvane::qt {

using windowlogic::MainControl;
using windowlogic::MenuCommand;

// What the Qt window adds to the program's setup: its boxes, and how the program ends.
struct WindowSetup {
    windowlogic::ProgramSetup program;
    WindowDialogs dialogs;
    // Ends the program after the window has unloaded; by default the event loop returns.
    std::function<void()> endProgram;
};

// The setup of the running program: its own folders, the system clocks, Qt's dialogs.
WindowSetup RunningWindowSetup(std::string argumentText);

// The main window frmMain in Qt: it makes the controls from the layout table, binds them to
// the window's elements, turns Qt's events into calls of the logic's handlers, and serves
// its requests. The controls are public members under their own names, as the tests reach
// them.
class MainWindow final : public QMainWindow,
                         public windowlogic::MainWindowView,
                         public windowlogic::WindowMaker {
public:
    // Loads the window (Form_Load); the caller shows it.
    explicit MainWindow(WindowSetup setup);
    ~MainWindow() override;

    windowlogic::frmMain& logic() { return logic_; }
    MainWindowElements& elements() { return logic_.elements(); }
    QAction& entry(MenuCommand command) { return entries_.at(static_cast<std::size_t>(command)); }
    // The unload of a signal or a failure, without message boxes.
    void unloadWithoutQuestions();

    void setOuterSize(windowlogic::TwipsSize size) override;
    void setCaption(const std::string& caption) override;
    void moveControl(MainControl control, int left, int top) override;
    void showCopyList(bool shown) override;
    bool confirm(const std::string& text) override;
    void inform(const std::string& title, const std::string& text) override;
    std::string chooseFolder(const std::string& title, int startFolder, int rootFolder) override;
    void openWebPage(const std::string& address) override;
    void endProgram() override;
    void handleEvents() override;
    void waitForEvents() override;

    std::unique_ptr<windowlogic::WindowView> makeReportWindow(windowlogic::frmErr& logic) override;
    std::unique_ptr<windowlogic::WindowView> makeDebugWindow(windowlogic::frmDebug& logic) override;
    std::unique_ptr<windowlogic::HistoryWindowView>
    makeHistoryWindow(windowlogic::frmHistory& logic) override;
    std::unique_ptr<windowlogic::InfoWindowView>
    makeInfoWindow(windowlogic::frminfo& logic) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& widget(MainControl control);
    void placeControls();
    void buildMenus();
    void bindElements();
    void connectHandlers();
    void startCopy();
    void showUncovered();

    double dpi_;

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
    QPushButton cmdOptions{&coveredPart};

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

    QMenuBar menus{this};
    std::array<QMenu, 3> menuTitles;
    QMenu& mnuOpt{menuTitles[1]};

private:
    std::array<QAction, 10> entries_;
    WindowDialogs dialogs_;
    std::function<void()> endProgram_;
    OuterSize outerSize_{*this, OuterSize::Fixing::fixed};
    // After the controls: its bindings show on them, and it goes before them.
    windowlogic::frmMain logic_;
    MenuShortcutsFirst shortcutsFirst_{*this};

public:
    CopyListModel copyListModel{logic_.elements().lstCopy, [this](int row) {
                                    lstCopy.setCurrentIndex(copyListModel.index(row));
                                }};
};

} // namespace orvane::qt
