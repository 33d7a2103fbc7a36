#include "win32/DebugWindow.h"

#include "win32/Bindings.h"
#include "win32/Controls.h"
#include "windowlogic/frmMain.h"

namespace orvane::win32 {

namespace {
constexpr UINT_PTR kTimer1 = 1;
} // namespace

DebugWindow::DebugWindow(windowlogic::frmDebug& logic, HWND owner)
    : SecondaryWindow(owner, L"Debug", kFixedWindow, [&logic] { logic.Form_Unload(); }),
      logic_(logic) {
    using windowlogic::frmDebug;
    lblCTotalFileSize = MakeLabel(hwnd(), 1);
    lblCTotalFileSizeTrans = MakeLabel(hwnd(), 2);
    layout_.place(lblCTotalFileSize, frmDebug::kTotalPlace);
    layout_.place(lblCTotalFileSizeTrans, frmDebug::kTransferredPlace);
    fitToDpi(dpi());
    BindCaption(logic.lblCTotalFileSize, lblCTotalFileSize);
    BindCaption(logic.lblCTotalFileSizeTrans, lblCTotalFileSizeTrans);
    // The timer belongs to the window: it stops when the window is unloaded.
    BindTimer(logic.Timer1, hwnd(), kTimer1, frmDebug::kRefreshMs);
}

void DebugWindow::fitToDpi(UINT dpi) {
    SetInnerSize(hwnd(), windowlogic::frmDebug::kSize);
    layout_.apply(dpi);
    font_ = DesignFont(windowlogic::frmMain::kFont, dpi);
    SetFontOfChildren(hwnd(), font_.get());
}

LRESULT DebugWindow::Message(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        logic_.Timer1_Timer();
        return 0;
    case WM_DPICHANGED:
        fitToDpi(HIWORD(wParam));
        return 0;
    default:
        return SecondaryWindow::Message(message, wParam, lParam);
    }
}

} // namespace orvane::win32
