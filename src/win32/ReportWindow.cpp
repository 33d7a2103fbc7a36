#include "win32/ReportWindow.h"

#include "win32/Controls.h"
#include "win32/TwipsLayout.h"
#include "windowlogic/frmMain.h"

namespace orvane::win32 {

ReportWindow::ReportWindow(windowlogic::frmErr& logic, HWND owner)
    : SecondaryWindow(owner, L"Log", kSizableWindow, [&logic] { logic.Form_Unload(); }) {
    SetInnerSize(hwnd(), windowlogic::frmErr::kSize);
    list_ = MakeListBox(hwnd(), 1);
    font_ = DesignFont(windowlogic::frmMain::kFont, dpi());
    ::SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    RECT inner{};
    ::GetClientRect(hwnd(), &inner);
    ::MoveWindow(list_, 0, 0, inner.right, inner.bottom, FALSE);
    mirror_ = std::make_unique<ListBoxMirror>(logic.lstErr, list_, [this] { echoWaits(); });
}

void ReportWindow::bringForward() {
    mirror_->catchUp();
    SecondaryWindow::bringForward();
}

void ReportWindow::echoWaits() {
    if (!echoWaits_) {
        echoWaits_ = true;
        ::SetTimer(hwnd(), 1, kEchoMs, nullptr);
    }
}

LRESULT ReportWindow::Message(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        ::KillTimer(hwnd(), 1);
        echoWaits_ = false;
        mirror_->catchUp();
        return 0;
    case WM_SIZE:
        // The list always fills the window's inner area.
        ::MoveWindow(list_, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_DPICHANGED: {
        font_ = DesignFont(windowlogic::frmMain::kFont, HIWORD(wParam));
        ::SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        ::SetWindowPos(hwnd(), nullptr, suggested->left, suggested->top,
                       suggested->right - suggested->left, suggested->bottom - suggested->top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    default:
        return SecondaryWindow::Message(message, wParam, lParam);
    }
}

} // namespace orvane::win32
