#include "win32/HistoryWindow.h"

#include "win32/Bindings.h"
#include "win32/Controls.h"
#include "win32/Dialogs.h"
#include "win32/TwipsLayout.h"

namespace orvane::win32 {

namespace {

COLORREF Grey() {
    const windowlogic::Colour grey = windowlogic::frmHistory::kBackground;
    return RGB(grey.red, grey.green, grey.blue);
}

} // namespace

HistoryWindow::HistoryWindow(windowlogic::frmHistory& logic, HWND owner)
    : SecondaryWindow(owner, L"History", kSizableWindow, [&logic] { logic.Form_Unload(); }),
      background_(::CreateSolidBrush(Grey())) {
    // The lines are never wrapped.
    txtHistory = MakeTextBox(hwnd(), 1,
                             ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_AUTOHSCROLL |
                                 WS_VSCROLL | WS_HSCROLL);
    font_ = DesignFont(windowlogic::frmHistory::kFont, dpi());
    ::SendMessageW(txtHistory, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    BindCaption(logic.txtHistory, txtHistory);
}

void HistoryWindow::setOuterSize(windowlogic::TwipsSize size) {
    SetOuterSize(hwnd(), size);
}

void HistoryWindow::fitTextBox() {
    RECT inner{};
    ::GetClientRect(hwnd(), &inner);
    ::MoveWindow(txtHistory, 0, 0, inner.right, inner.bottom, TRUE);
}

void HistoryWindow::inform(const std::string& title, const std::string& text) {
    InformBox(hwnd(), title, text);
}

LRESULT HistoryWindow::Message(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CTLCOLORSTATIC && reinterpret_cast<HWND>(lParam) == txtHistory) {
        // A read-only box asks for the colours of a label.
        ::SetBkColor(reinterpret_cast<HDC>(wParam), Grey());
        return reinterpret_cast<LRESULT>(background_.get());
    }
    return SecondaryWindow::Message(message, wParam, lParam);
}

} // namespace orvane::win32
