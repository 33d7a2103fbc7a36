#pragma once

#include "progressbar/gdi/GdiHandles.h"
#include "win32/SecondaryWindow.h"
#include "windowlogic/frmHistory.h"

namespace orvane::win32 {

// The history window frmHistory in Win32: a read-only text box of several lines, in Lucida
// Console on light grey, with a vertical scroll bar.
class HistoryWindow final : public SecondaryWindow<windowlogic::HistoryWindowView> {
public:
    HistoryWindow(windowlogic::frmHistory& logic, HWND owner);

    void setOuterSize(windowlogic::TwipsSize size) override;
    void fitTextBox() override;
    void inform(const std::string& title, const std::string& text) override;

    HWND txtHistory = nullptr;

protected:
    LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    GdiObject<HFONT> font_;
    GdiObject<HBRUSH> background_;
};

} // namespace orvane::win32
