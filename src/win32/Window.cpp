#include "win32/Window.h"

#include "win32/Text.h"

#include <exception>

namespace orvane::win32 {

namespace {

constexpr const wchar_t* kWindowClass = L"OrvaneWindow";
constexpr const wchar_t* kPanelClass = L"OrvanePanel";

std::function<void(const std::string&)>& failureHandler() {
    static std::function<void(const std::string&)> handler;
    return handler;
}

HINSTANCE ThisModule() {
    return ::GetModuleHandleW(nullptr);
}

template <typename Call> LRESULT Guarded(Call call) {
    try {
        return call();
    } catch (const std::exception& failure) {
        if (failureHandler()) {
            failureHandler()(failure.what());
        }
    } catch (...) {
        if (failureHandler()) {
            failureHandler()("an unknown exception");
        }
    }
    return 0;
}

LRESULT CALLBACK PanelProcedure(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return ::SendMessageW(::GetAncestor(panel, GA_ROOT), message, wParam, lParam);
    case WM_SIZE:
        if (HWND box = ::GetDlgItem(panel, kFrameBoxId); box != nullptr) {
            ::MoveWindow(box, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        }
        break;
    case WM_SETCURSOR:
        if (::SendMessageW(::GetAncestor(panel, GA_ROOT), message, wParam, lParam) != 0) {
            return TRUE;
        }
        break;
    default:
        break;
    }
    return ::DefWindowProcW(panel, message, wParam, lParam);
}

ATOM RegisterWindowClass(const wchar_t* name, WNDPROC procedure, HICON icon) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = ThisModule();
    windowClass.hIcon = icon;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = ::GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = name;
    return ::RegisterClassExW(&windowClass);
}

} // namespace

void SetFailureHandler(std::function<void(const std::string&)> handler) {
    failureHandler() = std::move(handler);
}

Window::~Window() {
    if (hwnd_ != nullptr) {
        ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        ::DestroyWindow(hwnd_);
    }
}

UINT Window::dpi() const {
    return ::GetDpiForWindow(hwnd_);
}

void Window::create(DWORD style, const std::wstring& caption, HWND owner, HMENU menu) {
    // The program's icon is its first icon resource, where the shell looks for it too.
    static const ATOM registered = RegisterWindowClass(
        kWindowClass, &Window::Procedure, ::LoadIconW(ThisModule(), MAKEINTRESOURCEW(1)));
    static_cast<void>(registered);
    ::CreateWindowExW(0, kWindowClass, caption.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, owner, menu, ThisModule(), this);
}

LRESULT Window::Message(UINT message, WPARAM wParam, LPARAM lParam) {
    return Default(message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->hwnd_ = window;
    }
    auto* self = reinterpret_cast<Window*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        self->hwnd_ = nullptr;
        ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    return Guarded([&] { return self->Message(message, wParam, lParam); });
}

HWND MakePanel(HWND parent, int id) {
    static const ATOM registered = RegisterWindowClass(kPanelClass, PanelProcedure, nullptr);
    static_cast<void>(registered);
    return ::CreateWindowExW(
        WS_EX_CONTROLPARENT, kPanelClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, 0,
        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ThisModule(), nullptr);
}

HWND MakeChild(const wchar_t* className, DWORD style, DWORD exStyle, HWND parent, int id,
               const std::string& text) {
    return ::CreateWindowExW(
        exStyle, className, Wide(text).c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, 0,
        0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ThisModule(), nullptr);
}

} // namespace orvane::win32
