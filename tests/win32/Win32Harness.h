#pragma once

#include "win32/MainWindow.h"
#include "win32/MessageLoop.h"
#include "win32/Text.h"
#include "windowlogic/ScriptedWindow.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace orvane::test {

using windowlogic::MainControl;
using windowlogic::MenuCommand;

// Hands on the thread's messages, as the program's loop does, until the condition holds;
// false after a few seconds without it.
inline bool PumpUntil(const std::function<bool()>& condition) {
    const ULONGLONG until = ::GetTickCount64() + 5000;
    while (!condition()) {
        if (::GetTickCount64() > until) {
            return false;
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        win32::HandleWaitingMessages();
    }
    return true;
}

inline HWND OpenDialog();

// A user who acts while the program runs its own loops (a run's yields, a message box, the
// folder dialog): each step waits for its condition, looked at every 10 ms, then acts. A step
// whose condition has not come within 20 s fails the test and cancels the open dialog, so
// that a dialog that never gets where the step waits ends the test instead of hanging it.
class User {
public:
    using Step = std::pair<std::function<bool()>, std::function<void()>>;
    explicit User(std::vector<Step> steps) : steps_(std::move(steps)) {
        current() = this;
        timer_ = ::SetTimer(nullptr, 0, 10, &User::Tick);
        giveUpAt_ = ::GetTickCount64() + 20000;
    }
    ~User() {
        ::KillTimer(nullptr, timer_);
        current() = nullptr;
    }
    User(const User&) = delete;
    User& operator=(const User&) = delete;
    bool done() const { return next_ == steps_.size(); }

private:
    static User*& current() {
        static User* user = nullptr;
        return user;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        User* user = current();
        if (user == nullptr || user->done()) {
            return;
        }
        if (user->steps_[user->next_].first()) {
            // The step is taken before it acts: its action may run a loop of its own.
            user->giveUpAt_ = ::GetTickCount64() + 20000;
            user->steps_[user->next_++].second();
        } else if (::GetTickCount64() > user->giveUpAt_ && OpenDialog() != nullptr) {
            ADD_FAILURE() << "step " << user->next_ << " of the user never came";
            user->giveUpAt_ = ::GetTickCount64() + 20000;
            ::PostMessageW(OpenDialog(), WM_COMMAND, IDCANCEL, 0);
        }
    }

    std::vector<Step> steps_;
    std::size_t next_ = 0;
    UINT_PTR timer_ = 0;
    ULONGLONG giveUpAt_ = 0;
};

// The open box or dialog of this thread (a message box, the folder dialog), or null.
inline HWND OpenDialog() {
    HWND found = nullptr;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM found) {
            wchar_t name[16] = {};
            ::GetClassNameW(window, name, 16);
            if (std::wstring(name) == L"#32770" && ::IsWindowVisible(window)) {
                *reinterpret_cast<HWND*>(found) = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// The main window started as the program "bin" in a scratch folder (see ScratchSetup),
// hidden until shown; the web pages it would open are recorded, and its end counted.
class Win32Harness {
public:
    explicit Win32Harness(std::string argumentText = {})
        : programFolder_(folder_.makeFolder("bin")),
          window_(std::make_unique<win32::MainWindow>(
              win32::WindowSetup{ScratchSetup(programFolder_, std::move(argumentText)),
                                 [this](const std::string& address) { opened.push_back(address); },
                                 [this] { ++endings; }})) {}

    win32::MainWindow& window() { return *window_; }
    HWND hwnd() const { return window_->hwnd(); }
    HWND control(MainControl control) const { return window_->control(control); }
    const TempFolder& folder() const { return folder_; }
    std::string logFile() const { return readFile(programFolder_ + "/logs/log_04_12_2026.txt"); }

    // What a user does with the window's controls and menus.
    void type(MainControl box, const std::string& text) { win32::SetText(control(box), text); }
    void click(MainControl button) { ::SendMessageW(control(button), BM_CLICK, 0, 0); }
    void choose(MenuCommand entry) {
        ::SendMessageW(hwnd(), WM_COMMAND, static_cast<WPARAM>(win32::MenuBar::IdOf(entry)), 0);
    }
    UINT menuState(MenuCommand entry) const {
        return ::GetMenuState(::GetMenu(window_->hwnd()),
                              static_cast<UINT>(win32::MenuBar::IdOf(entry)), MF_BYCOMMAND);
    }

    std::vector<std::string> opened;
    int endings = 0;

private:
    TempFolder folder_;
    std::string programFolder_;
    std::unique_ptr<win32::MainWindow> window_;
};

// An item of a list box, as LB_GETTEXT gives it.
inline std::string ListText(HWND list, std::size_t index) {
    const auto at = static_cast<WPARAM>(index);
    std::wstring text(static_cast<std::size_t>(::SendMessageW(list, LB_GETTEXTLEN, at, 0)), L'\0');
    ::SendMessageW(list, LB_GETTEXT, at, reinterpret_cast<LPARAM>(text.data()));
    return win32::Narrow(text);
}

// A window's outer size in pixels.
inline std::pair<int, int> OuterSize(HWND window) {
    RECT outer{};
    ::GetWindowRect(window, &outer);
    return {outer.right - outer.left, outer.bottom - outer.top};
}

} // namespace orvane::test
