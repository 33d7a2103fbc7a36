#pragma once

#include "progressbar/gdi/GdiHandles.h"
#include "win32/SecondaryWindow.h"
#include "win32/TwipsLayout.h"
#include "windowlogic/InfoWindowLayout.h"
#include "windowlogic/frminfo.h"

#include <array>

namespace orvane::win32 {

// The info window frminfo in Win32: its labels, frames, logo and Back button laid out in
// twips in a window of 5400 × 5760 twips inside. The product name and the two links are as
// wide as their texts; the links and the logo answer clicks, and the pointer over a link
// lights it.
class InfoWindow final : public SecondaryWindow<windowlogic::InfoWindowView> {
public:
    InfoWindow(windowlogic::frminfo& logic, HWND owner);

    int innerWidth() const override;
    int outerWidth() const override;
    int productWidth() const override;
    void moveProduct(int left) override;
    windowlogic::Colour linkColour(int index) const override;
    void setLinkLook(int index, bool bold, windowlogic::Colour colour) override;
    void setPointer(windowlogic::Pointer pointer) override;

    HWND control(windowlogic::InfoControl control) const {
        return controls_.at(static_cast<std::size_t>(control));
    }

protected:
    LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static constexpr std::size_t kControlCount =
        static_cast<std::size_t>(windowlogic::InfoControl::cmdback) + 1;

    void makeControls();
    void bindElements();
    void fitToDpi(UINT dpi);
    // The label as wide as its text, and for the product name as high.
    void fitToText(windowlogic::InfoControl label);
    LRESULT labelColours(HDC dc, HWND label) const;
    void pointerMoved(HWND over);
    void drawLogo(const DRAWITEMSTRUCT& item) const;
    void command(int id);

    windowlogic::frminfo& logic_;
    TwipsLayout layout_;
    std::array<HWND, kControlCount> controls_{};
    std::array<windowlogic::TwipsRect, kControlCount> places_{};
    GdiObject<HFONT> font_;
    GdiObject<HFONT> boldFont_;
    GdiObject<HFONT> productFont_;
    GdiObject<HBITMAP> logo_;
    std::array<windowlogic::Colour, 2> linkColours_{windowlogic::frminfo::kDarkRed,
                                                    windowlogic::frminfo::kDarkRed};
    std::array<bool, 2> linkBold_{};
    HCURSOR pointer_ = nullptr;
};

} // namespace orvane::win32
