#include "win32/MainWindow.h"

#include "platform/LocaleFacts.h"
#include "platform/RunningProgramFolders.h"
#include "win32/Bindings.h"
#include "win32/DebugWindow.h"
#include "win32/Dialogs.h"
#include "win32/HistoryWindow.h"
#include "win32/InfoWindow.h"
#include "win32/MessageLoop.h"
#include "win32/ReportWindow.h"
#include "win32/Text.h"

namespace orvane::win32 {

WindowSetup RunningWindowSetup(std::string argumentText) {
    return {{platform::runningProgramFolders(), std::move(argumentText), systemClocks(),
             platform::decimalSeparator()},
            [](const std::string& address) { OpenWebPage(nullptr, address); },
            [] { ::PostQuitMessage(0); }};
}

MainWindow::MainWindow(WindowSetup setup)
    : openWebPage_(std::move(setup.openWebPage)), endProgram_(std::move(setup.endProgram)),
      logic_(std::move(setup.program), *this, *this) {
    makeControls();
    bindElements();
    SetMenuShortcuts(hwnd(), menuBar_.accelerators());
    logic_.Form_Load();
    // The caret starts in the source box.
    focus_ = control(MainControl::txtSource);
}

MainWindow::~MainWindow() {
    SetMenuShortcuts(nullptr, nullptr);
}

void MainWindow::unloadWithoutQuestions() {
    logic_.unloadWithoutQuestions();
}

void MainWindow::setOuterSize(windowlogic::TwipsSize size) {
    outer_ = size;
    SetOuterSize(hwnd(), size);
}

void MainWindow::setCaption(const std::string& caption) {
    SetText(hwnd(), caption);
}

void MainWindow::moveControl(MainControl which, int left, int top) {
    layout_.move(control(which), left, top);
}

void MainWindow::showCopyList(bool shown) {
    ::ShowWindow(control(MainControl::lstCopy), shown ? SW_SHOWNA : SW_HIDE);
    // A hidden list need not follow the 100,000 additions and removals of a large run.
    copyList_->setShown(shown);
}

bool MainWindow::confirm(const std::string& text) {
    return ConfirmBox(hwnd(), text);
}

void MainWindow::inform(const std::string& title, const std::string& text) {
    InformBox(hwnd(), title, text);
}

std::string MainWindow::chooseFolder(const std::string& title, int startFolder, int rootFolder) {
    return BrowseFolder(hwnd(), title, startFolder, rootFolder);
}

void MainWindow::openWebPage(const std::string& address) {
    openWebPage_(address);
}

void MainWindow::endProgram() {
    ::ShowWindow(hwnd(), SW_HIDE);
    endProgram_();
}

void MainWindow::handleEvents() {
    HandleWaitingMessages();
}

void MainWindow::waitForEvents() {
    WaitForMessages();
}

std::unique_ptr<windowlogic::WindowView> MainWindow::makeReportWindow(windowlogic::frmErr& logic) {
    return std::make_unique<ReportWindow>(logic, hwnd());
}

std::unique_ptr<windowlogic::WindowView> MainWindow::makeDebugWindow(windowlogic::frmDebug& logic) {
    return std::make_unique<DebugWindow>(logic, hwnd());
}

std::unique_ptr<windowlogic::HistoryWindowView>
MainWindow::makeHistoryWindow(windowlogic::frmHistory& logic) {
    return std::make_unique<HistoryWindow>(logic, hwnd());
}

std::unique_ptr<windowlogic::InfoWindowView>
MainWindow::makeInfoWindow(windowlogic::frminfo& logic) {
    return std::make_unique<InfoWindow>(logic, hwnd());
}

LRESULT MainWindow::Message(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        command(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_TIMER:
        if (wParam == kClockTimer) {
            logic_.tmrClock_Timer();
        }
        return 0;
    case WM_DRAWITEM:
        drawCurrentFile(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_ACTIVATE:
        // The focus leaves with the window and comes back to where it was.
        if (LOWORD(wParam) == WA_INACTIVE) {
            focus_ = ::IsChild(hwnd(), ::GetFocus()) ? ::GetFocus() : focus_;
        } else if (focus_ != nullptr && ::IsWindowVisible(focus_)) {
            ::SetFocus(focus_);
            return 0;
        }
        break;
    case WM_CLOSE:
        logic_.Form_Unload();
        return 0;
    case WM_QUERYENDSESSION:
        // Nobody may be there to answer a box: the log is saved without questions.
        unloadWithoutQuestions();
        return TRUE;
    case WM_ENDSESSION:
        if (wParam != FALSE) {
            unloadWithoutQuestions();
        }
        return 0;
    case WM_DPICHANGED:
        dpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    default:
        break;
    }
    return Default(message, wParam, lParam);
}

void MainWindow::command(int id, int notification) {
    if (const auto entry = MenuBar::CommandOf(id); entry.has_value()) {
        logic_.menuCommand(*entry);
        return;
    }
    const int index = id - kFirstControlId;
    if (index < 0 || index >= static_cast<int>(kControlCount)) {
        return;
    }
    const auto which = static_cast<MainControl>(index);
    MainWindowElements& e = elements();
    if (notification == EN_CHANGE) {
        TextBoxChanged(which == MainControl::txtSource ? e.txtSource : e.txtDestination,
                       control(which));
    } else if (notification == BN_CLICKED) {
        buttonClicked(which);
    }
}

void MainWindow::buttonClicked(MainControl button) {
    switch (button) {
    case MainControl::cmdStart:
        return startCopy();
    case MainControl::cmdOptions:
        return logic_.cmdOptions_Click();
    case MainControl::cmdBrowseSou:
        return logic_.cmdBrowseSou_Click();
    case MainControl::cmdBrowseDes:
        return logic_.cmdBrowseDes_Click();
    case MainControl::cmdPause:
        return logic_.cmdPause_Click();
    case MainControl::cmdCancel:
        return logic_.cmdCancel_Click();
    case MainControl::cmdCancelLoad:
        return logic_.cmdCancelLoad_Click();
    default:
        return;
    }
}

void MainWindow::startCopy() {
    // Start Copy, or the control that had the focus before the run (its mnemonic leaves the
    // caret in a box), has it again afterwards, so Enter or Space starts the next run.
    HWND before = ::GetFocus();
    logic_.cmdStart_Click();
    if (logic_.unloaded()) {
        return;
    }
    if (!::IsChild(coveredPart_, before) || !::IsWindowEnabled(before)) {
        before = control(MainControl::cmdStart);
    }
    ::SetFocus(before);
}

void MainWindow::showUncovered() {
    const bool covered =
        IsShown(control(MainControl::fraCopy)) || IsShown(control(MainControl::fraSave));
    const bool hadFocus = ::IsChild(coveredPart_, ::GetFocus());
    ::ShowWindow(coveredPart_, covered ? SW_HIDE : SW_SHOWNA);
    if (covered && hadFocus) {
        ::SetFocus(::GetNextDlgTabItem(hwnd(), nullptr, FALSE));
    }
}

void MainWindow::dpiChanged(UINT dpi, const RECT& suggested) {
    ::SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetOuterSize(hwnd(), outer_);
    layout_.apply(dpi);
    font_ = DesignFont(windowlogic::frmMain::kFont, dpi);
    SetFontOfChildren(hwnd(), font_.get());
}

} // namespace orvane::win32
