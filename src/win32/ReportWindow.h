#pragma once

#include "progressbar/gdi/GdiHandles.h"
#include "win32/ListBoxMirror.h"
#include "win32/SecondaryWindow.h"
#include "windowlogic/frmErr.h"

#include <memory>

namespace orvane::win32 {

// The report window frmErr in Win32: its list box lstErr fills the window's inner area. The
// live echo reaches the list box at most every 100 ms: a run of small files logs a line per
// file, and the box repaints once for a batch of them.
class ReportWindow final : public SecondaryWindow<windowlogic::WindowView> {
public:
    static constexpr UINT kEchoMs = 100;

    ReportWindow(windowlogic::frmErr& logic, HWND owner);
    // Shows the window with the list the load filled.
    void bringForward() override;
    HWND lstErr() const { return list_; }

protected:
    LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void echoWaits();

    HWND list_ = nullptr;
    GdiObject<HFONT> font_;
    bool echoWaits_ = false;
    std::unique_ptr<ListBoxMirror> mirror_;
};

} // namespace orvane::win32
