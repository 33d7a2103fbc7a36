#pragma once

#include "progressbar/gdi/GdiHandles.h"
#include "windowlogic/ControlPlace.h"
#include "windowlogic/Twips.h"

#include <windows.h>

#include <map>

namespace orvane::win32 {

// The controls of a window in their places in twips, put into device pixels at the window's
// dots per inch, and again when the window moves to a screen of another density.
class TwipsLayout {
public:
    // Places a control (its parent's area is the origin) and remembers the place.
    void place(HWND control, windowlogic::TwipsRect rect);
    // Moves a placed control; its size stays.
    void move(HWND control, int left, int top);
    // Places every control again at `dpi`.
    void apply(UINT dpi) const;

private:
    std::map<HWND, windowlogic::TwipsRect> places_;
};

// Gives every control of a window, those inside panels too, the window's font.
void SetFontOfChildren(HWND window, HFONT font);

// A font the windows were designed with, made at `dpi`.
GdiObject<HFONT> DesignFont(const windowlogic::FontSpec& font, UINT dpi, bool bold = false);

// Sizes a window at its dots per inch: by its outer size (title bar, menu bar and borders
// inside it), or by the size of its own area.
void SetOuterSize(HWND window, windowlogic::TwipsSize outer);
void SetInnerSize(HWND window, windowlogic::TwipsSize inner);

} // namespace orvane::win32
