#include "win32/TwipsLayout.h"

#include "progressbar/gdi/GdiFont.h"
#include "windowlogic/WindowFrame.h"

namespace orvane::win32 {

using windowlogic::TwipsToPixels;

namespace {

void MoveTo(HWND control, const windowlogic::TwipsRect& rect, UINT dpi) {
    const auto pixels = [dpi](int twips) { return TwipsToPixels(twips, dpi); };
    ::MoveWindow(control, pixels(rect.left), pixels(rect.top), pixels(rect.width),
                 pixels(rect.height), TRUE);
}

} // namespace

void TwipsLayout::place(HWND control, windowlogic::TwipsRect rect) {
    places_[control] = rect;
    MoveTo(control, rect, ::GetDpiForWindow(control));
}

void TwipsLayout::move(HWND control, int left, int top) {
    windowlogic::TwipsRect rect = places_.at(control);
    rect.left = left;
    rect.top = top;
    place(control, rect);
}

void TwipsLayout::apply(UINT dpi) const {
    for (const auto& [control, rect] : places_) {
        MoveTo(control, rect, dpi);
    }
}

void SetFontOfChildren(HWND window, HFONT font) {
    ::EnumChildWindows(
        window,
        [](HWND child, LPARAM font) {
            ::SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), TRUE);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(font));
}

GdiObject<HFONT> DesignFont(const windowlogic::FontSpec& font, UINT dpi, bool bold) {
    return MakeFont({std::string(font.face), static_cast<double>(font.points), bold ? 700 : 400},
                    dpi);
}

namespace {

// What the system draws around a window's own area, the menu bar included.
windowlogic::FrameMargins FrameOf(HWND window) {
    RECT frame{};
    ::AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_STYLE)),
                               ::GetMenu(window) != nullptr,
                               static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_EXSTYLE)),
                               ::GetDpiForWindow(window));
    return {-frame.left, -frame.top, frame.right, frame.bottom};
}

void Resize(HWND window, windowlogic::PixelSize inner, const windowlogic::FrameMargins& frame) {
    ::SetWindowPos(window, nullptr, 0, 0, inner.width + frame.left + frame.right,
                   inner.height + frame.top + frame.bottom,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

void SetOuterSize(HWND window, windowlogic::TwipsSize outer) {
    const UINT dpi = ::GetDpiForWindow(window);
    const windowlogic::FrameMargins frame = FrameOf(window);
    Resize(window,
           windowlogic::InnerSize(outer, dpi, frame, ::GetSystemMetricsForDpi(SM_CYCAPTION, dpi)),
           frame);
}

void SetInnerSize(HWND window, windowlogic::TwipsSize inner) {
    const UINT dpi = ::GetDpiForWindow(window);
    Resize(window, {TwipsToPixels(inner.width, dpi), TwipsToPixels(inner.height, dpi)},
           FrameOf(window));
}

} // namespace orvane::win32
