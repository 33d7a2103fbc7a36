#include "win32/InfoWindow.h"

#include "win32/Bindings.h"
#include "win32/Controls.h"

#include <commctrl.h>

namespace orvane::win32 {

namespace {

using enum windowlogic::InfoControl;
using windowlogic::frminfo;

constexpr UINT_PTR kScrollTimer = 1;
// The logo's bitmap in the program's resources; its magenta pixels are the background.
constexpr const wchar_t* kLogoResource = L"ORVANE_LOGO";
constexpr COLORREF kLogoBackground = RGB(255, 0, 255);

COLORREF ColorOf(windowlogic::Colour colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

std::size_t IndexOf(windowlogic::InfoControl control) {
    return static_cast<std::size_t>(control);
}

// Shows the tip over a control while the pointer rests on it.
void AddToolTip(HWND window, HWND control, const std::wstring& text) {
    HWND tip = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                 0, 0, 0, 0, window, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    ::SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

} // namespace

InfoWindow::InfoWindow(windowlogic::frminfo& logic, HWND owner)
    : SecondaryWindow(owner, L"", kFixedWindow, [&logic] { logic.Form_Unload(); }), logic_(logic),
      logo_(static_cast<HBITMAP>(::LoadImageW(::GetModuleHandleW(nullptr), kLogoResource,
                                              IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))),
      pointer_(::LoadCursorW(nullptr, IDC_ARROW)) {
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&classes);
    makeControls();
    fitToDpi(dpi());
    bindElements();
}

void InfoWindow::makeControls() {
    controls_[IndexOf(window)] = hwnd();
    std::array<HWND, kControlCount> boxes{};
    for (const auto& place : windowlogic::InfoWindowLayout()) {
        const HWND parent = control(place.parent);
        const int id = static_cast<int>(place.control);
        HWND& made = controls_[IndexOf(place.control)];
        places_[IndexOf(place.control)] = place.place;
        if (place.control == Frame1 || place.control == Frame2) {
            const Frame frame = MakeFrame(parent, id);
            made = frame.panel;
            boxes[IndexOf(place.control)] = frame.box;
        } else if (place.control == cmdback) {
            made = MakeButton(parent, id);
        } else if (place.control == Image1) {
            made = MakeLabel(parent, id, SS_OWNERDRAW | SS_NOTIFY);
        } else {
            // The links answer the pointer and clicks.
            const bool link = place.control == lblsite_0 || place.control == lblsite_1;
            made = MakeLabel(parent, id, link ? SS_NOTIFY : 0);
        }
        SetText(boxes[IndexOf(place.control)] != nullptr ? boxes[IndexOf(place.control)] : made,
                std::string(place.caption));
        if (place.control != lblproduct && place.control != lblsite_0 &&
            place.control != lblsite_1) {
            layout_.place(made, place.place);
        }
    }
    for (const windowlogic::InfoControl frame : {Frame1, Frame2}) {
        SinkFrameBox({control(frame), boxes[IndexOf(frame)]});
    }
    // The language code steers the texts; it is not for the user to read.
    ::ShowWindow(control(lbltaal), SW_HIDE);
    AddToolTip(hwnd(), control(cmdback), Wide(frminfo::kBackTip));
}

void InfoWindow::bindElements() {
    for (const auto& [element, label] : {std::pair{&logic_.lblcopyright, lblcopyright},
                                         {&logic_.lblversion, lblversion},
                                         {&logic_.lblware, lblware},
                                         {&logic_.lbluse, lbluse},
                                         {&logic_.Label1, Label1},
                                         {&logic_.lblComments, lblComments},
                                         {&logic_.lbltaal, lbltaal}}) {
        BindCaption(*element, control(label));
    }
    // The product name and the links are as wide as their texts, so that the scroll knows the
    // name's width and the pointer lights a link only over its address.
    for (const auto& [element, label] : {std::pair{&logic_.lblproduct, lblproduct},
                                         {&logic_.lblsite[0], lblsite_0},
                                         {&logic_.lblsite[1], lblsite_1}}) {
        element->changed.bind([this, element, label] {
            SetText(control(label), element->caption());
            fitToText(label);
        });
        element->changed.notify();
    }
    BindTimer(logic_.tmrtitlescrl, hwnd(), kScrollTimer, frminfo::kScrollMs);
}

void InfoWindow::fitToDpi(UINT dpi) {
    SetInnerSize(hwnd(), frminfo::kSize);
    layout_.apply(dpi);
    font_ = DesignFont(frminfo::kFont, dpi);
    boldFont_ = DesignFont(frminfo::kFont, dpi, true);
    productFont_ = DesignFont(frminfo::kProductFont, dpi);
    SetFontOfChildren(hwnd(), font_.get());
    ::SendMessageW(control(lblproduct), WM_SETFONT, reinterpret_cast<WPARAM>(productFont_.get()),
                   TRUE);
    for (int link = 0; link < 2; ++link) {
        setLinkLook(link, linkBold_.at(static_cast<std::size_t>(link)),
                    linkColours_.at(static_cast<std::size_t>(link)));
    }
    fitToText(lblproduct);
    moveProduct(logic_.productLeft());
}

void InfoWindow::fitToText(windowlogic::InfoControl label) {
    const HWND shown = control(label);
    const windowlogic::TwipsRect place = places_[IndexOf(label)];
    const std::wstring text = Wide(TextOf(shown));
    HDC dc = ::GetDC(shown);
    const HGDIOBJ old =
        ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageW(shown, WM_GETFONT, 0, 0)));
    SIZE size{};
    ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    ::SelectObject(dc, old);
    ::ReleaseDC(shown, dc);
    const UINT density = dpi();
    const int height = label == lblproduct ? static_cast<int>(size.cy)
                                           : windowlogic::TwipsToPixels(place.height, density);
    RECT now{};
    ::GetWindowRect(shown, &now);
    ::MapWindowPoints(nullptr, ::GetParent(shown), reinterpret_cast<POINT*>(&now), 2);
    const int left = label == lblproduct ? static_cast<int>(now.left)
                                         : windowlogic::TwipsToPixels(place.left, density);
    ::MoveWindow(shown, left, windowlogic::TwipsToPixels(place.top, density), size.cx, height,
                 TRUE);
}

int InfoWindow::innerWidth() const {
    RECT inner{};
    ::GetClientRect(hwnd(), &inner);
    return windowlogic::PixelsToTwips(inner.right, dpi());
}

int InfoWindow::outerWidth() const {
    RECT outer{};
    ::GetWindowRect(hwnd(), &outer);
    return windowlogic::PixelsToTwips(outer.right - outer.left, dpi());
}

int InfoWindow::productWidth() const {
    RECT product{};
    ::GetWindowRect(control(lblproduct), &product);
    return windowlogic::PixelsToTwips(product.right - product.left, dpi());
}

void InfoWindow::moveProduct(int left) {
    const HWND product = control(lblproduct);
    RECT now{};
    ::GetWindowRect(product, &now);
    ::MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&now), 2);
    ::SetWindowPos(product, nullptr, windowlogic::TwipsToPixels(left, dpi()), now.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

windowlogic::Colour InfoWindow::linkColour(int index) const {
    return linkColours_.at(static_cast<std::size_t>(index));
}

void InfoWindow::setLinkLook(int index, bool bold, windowlogic::Colour colour) {
    const auto at = static_cast<std::size_t>(index);
    linkColours_.at(at) = colour;
    linkBold_.at(at) = bold;
    const windowlogic::InfoControl link = index == 0 ? lblsite_0 : lblsite_1;
    ::SendMessageW(control(link), WM_SETFONT,
                   reinterpret_cast<WPARAM>(bold ? boldFont_.get() : font_.get()), TRUE);
    fitToText(link);
    ::InvalidateRect(control(link), nullptr, TRUE);
}

void InfoWindow::setPointer(windowlogic::Pointer pointer) {
    pointer_ =
        ::LoadCursorW(nullptr, pointer == windowlogic::Pointer::upArrow ? IDC_UPARROW : IDC_ARROW);
    ::SetCursor(pointer_);
}

LRESULT InfoWindow::labelColours(HDC dc, HWND label) const {
    ::SetBkMode(dc, TRANSPARENT);
    if (label == control(lblproduct)) {
        ::SetTextColor(dc, ColorOf(frminfo::kDarkRed));
    } else if (label == control(lblsite_0) || label == control(lblsite_1)) {
        ::SetTextColor(dc, ColorOf(linkColours_.at(label == control(lblsite_0) ? 0 : 1)));
    } else {
        ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
    }
    return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
}

void InfoWindow::pointerMoved(HWND over) {
    if (over == control(lblsite_0) || over == control(lblsite_1)) {
        logic_.lblsite_MouseMove(over == control(lblsite_0) ? 0 : 1);
    } else if (over == control(Frame1)) {
        logic_.Frame1_MouseMove();
    }
}

void InfoWindow::drawLogo(const DRAWITEMSTRUCT& item) const {
    ::FillRect(item.hDC, &item.rcItem, ::GetSysColorBrush(COLOR_BTNFACE));
    if (item.hwndItem != control(Image1) || logo_ == nullptr) {
        return;
    }
    BITMAP bitmap{};
    ::GetObjectW(logo_.get(), sizeof(bitmap), &bitmap);
    const MemoryDC source(::CreateCompatibleDC(item.hDC));
    const HGDIOBJ old = ::SelectObject(source.get(), logo_.get());
    ::TransparentBlt(item.hDC, item.rcItem.left, item.rcItem.top,
                     item.rcItem.right - item.rcItem.left, item.rcItem.bottom - item.rcItem.top,
                     source.get(), 0, 0, bitmap.bmWidth, bitmap.bmHeight, kLogoBackground);
    ::SelectObject(source.get(), old);
}

void InfoWindow::command(int id) {
    const auto which = static_cast<windowlogic::InfoControl>(id);
    if (which == lblsite_0 || which == lblsite_1) {
        logic_.lblsite_Click(which == lblsite_0 ? 0 : 1);
    } else if (which == Image1) {
        logic_.Image1_Click();
    } else if (which == cmdback) {
        logic_.cmdback_Click();
    }
}

LRESULT InfoWindow::Message(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        command(LOWORD(wParam));
        return 0;
    case WM_TIMER:
        logic_.tmrtitlescrl_Timer();
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) {
            logic_.Form_Activate();
        }
        break;
    case WM_SETCURSOR:
        // Every move of the pointer over the window, a label or a frame comes here first.
        pointerMoved(reinterpret_cast<HWND>(wParam));
        if (LOWORD(lParam) == HTCLIENT) {
            ::SetCursor(pointer_);
            return TRUE;
        }
        break;
    case WM_CTLCOLORSTATIC:
        return labelColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DRAWITEM:
        drawLogo(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_DPICHANGED:
        fitToDpi(HIWORD(wParam));
        return 0;
    default:
        break;
    }
    return SecondaryWindow::Message(message, wParam, lParam);
}

} // namespace orvane::win32
