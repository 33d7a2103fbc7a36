#pragma once

#include "progressbar/gdi/GdiHandles.h"
#include "win32/SecondaryWindow.h"
#include "win32/TwipsLayout.h"
#include "windowlogic/frmDebug.h"

namespace orvane::win32 {

// The debug window frmDebug in Win32: two labels refreshed by the window's timer.
class DebugWindow final : public SecondaryWindow<windowlogic::WindowView> {
public:
    DebugWindow(windowlogic::frmDebug& logic, HWND owner);

    HWND lblCTotalFileSize = nullptr;
    HWND lblCTotalFileSizeTrans = nullptr;

protected:
    LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void fitToDpi(UINT dpi);

    windowlogic::frmDebug& logic_;
    TwipsLayout layout_;
    GdiObject<HFONT> font_;
};

} // namespace orvane::win32
