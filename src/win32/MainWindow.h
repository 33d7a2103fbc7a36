#pragma once

#include "progressbar/gdi/pcProgressBar.h"
#include "win32/ListBoxMirror.h"
#include "win32/MenuBar.h"
#include "win32/TwipsLayout.h"
#include "win32/Window.h"
#include "windowlogic/frmMain.h"

#include <array>
#include <functional>
#include <memory>
#include <string>

namespace orvane::win32 {

using windowlogic::MainControl;

// What the Win32 window adds to the program's setup: how a web page is opened and how the
// program ends.
struct WindowSetup {
    windowlogic::ProgramSetup program;
    // By default the user's browser (ShellExecuteW); tests record the address.
    std::function<void(const std::string& address)> openWebPage;
    // Ends the program after the window has unloaded; by default the message loop ends.
    std::function<void()> endProgram;
};

// The setup of the running program: its own folders, the system clocks, the browser.
WindowSetup RunningWindowSetup(std::string argumentText);

// The main window frmMain in Win32: it makes the controls from the layout table and the menu
// from the menu table, binds them to the window's elements, turns WM_COMMAND and WM_TIMER into
// calls of the logic's handlers, and serves the logic's requests with the system's boxes and
// dialogs. It is made hidden and loaded (Form_Load); the caller shows it.
class MainWindow final : public Window,
                         public windowlogic::MainWindowView,
                         public windowlogic::WindowMaker {
public:
    explicit MainWindow(WindowSetup setup);
    ~MainWindow() override;

    windowlogic::frmMain& logic() { return logic_; }
    MainWindowElements& elements() { return logic_.elements(); }
    HWND control(MainControl control) const {
        return controls_.at(static_cast<std::size_t>(control));
    }
    // The unload of a failure or of the session's end, without message boxes.
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
    LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static constexpr std::size_t kControlCount = static_cast<std::size_t>(MainControl::lstCopy) + 1;
    // A control's command id is this plus its number in MainControl.
    static constexpr int kFirstControlId = 100;
    static constexpr UINT_PTR kClockTimer = 1;

    void makeControls();
    void bindElements();
    void command(int id, int notification);
    void buttonClicked(MainControl button);
    void startCopy();
    void showUncovered();
    void drawCurrentFile(const DRAWITEMSTRUCT& item) const;
    void dpiChanged(UINT dpi, const RECT& suggested);

    std::function<void(const std::string&)> openWebPage_;
    std::function<void()> endProgram_;
    MenuBar menuBar_;
    windowlogic::TwipsSize outer_{};
    TwipsLayout layout_;
    GdiObject<HFONT> font_;
    // The folder frames and the button row, hidden while a panel covers them, so that no key
    // reaches a covered control.
    HWND coveredPart_ = nullptr;
    std::array<HWND, kControlCount> controls_{};
    // The frames' group boxes, which show their captions.
    std::array<HWND, kControlCount> frameBoxes_{};
    std::array<std::unique_ptr<pcProgressBar>, 3> bars_;
    // The control that had the focus when the window was last left.
    HWND focus_ = nullptr;
    // After the controls: its bindings show on them, and it goes before them.
    windowlogic::frmMain logic_;
    std::unique_ptr<ListBoxMirror> copyList_;
};

} // namespace orvane::win32
