#include "progressbar/gdi/pcProgressBar.h"

#include "progressbar/ProgressPaint.h"
#include "progressbar/gdi/GdiFont.h"
#include "progressbar/gdi/GdiSurface.h"

#include <cstdlib>

namespace orvane {
namespace {

HINSTANCE ThisModule() {
    return ::GetModuleHandleW(nullptr);
}

// Registered at the first control; the class lives as long as the process.
void RegisterClassOnce(WNDPROC procedure) {
    static const ATOM atom = [procedure] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        // A DC of its own: the control's hdc is the same handle for the window's whole life.
        windowClass.style = CS_OWNDC;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = ThisModule();
        windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = pcProgressBar::kClassName;
        return ::RegisterClassExW(&windowClass);
    }();
    static_cast<void>(atom);
}

} // namespace

pcProgressBar::pcProgressBar(HWND parent, int x, int y, int width, int height) {
    RegisterClassOnce(&pcProgressBar::WindowProc);
    const DWORD style = parent != nullptr ? WS_CHILD | WS_VISIBLE : WS_POPUP;
    ::CreateWindowExW(0, kClassName, L"", style, x, y, width, height, parent, nullptr, ThisModule(),
                      this);
}

pcProgressBar::~pcProgressBar() {
    if (hWnd_ != nullptr) {
        ::DestroyWindow(hWnd_);
    }
}

LRESULT CALLBACK pcProgressBar::WindowProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* bar =
            static_cast<pcProgressBar*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(bar));
        bar->hWnd_ = window;
        bar->hdc_ = ::GetDC(window);
        bar->FontAssigned();
    }
    auto* bar = reinterpret_cast<pcProgressBar*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (bar == nullptr) {
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        bar->hWnd_ = nullptr;
        bar->hdc_ = nullptr;
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    return bar->Message(message, wParam, lParam);
}

LRESULT pcProgressBar::Message(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        ::BeginPaint(hWnd_, &paint);
        DrawControl();
        ::EndPaint(hWnd_, &paint);
        return 0;
    }
    case WM_PRINTCLIENT:
        Paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        // Every pixel is painted by the control.
        return 1;
    case WM_SIZE:
        DrawControl();
        return 0;
    case WM_DPICHANGED_AFTERPARENT:
        FontAssigned();
        DrawControl();
        return 0;
    case WM_DPICHANGED: {
        FontAssigned();
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        ::SetWindowPos(hWnd_, nullptr, suggested->left, suggested->top,
                       suggested->right - suggested->left, suggested->bottom - suggested->top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
        DrawControl();
        return 0;
    }
    default:
        return ::DefWindowProcW(hWnd_, message, wParam, lParam);
    }
}

void pcProgressBar::DrawControl() {
    if (hWnd_ == nullptr) {
        return;
    }
    Paint(hdc_);
    // The screen shows the assignment before it returns.
    ::GdiFlush();
}

void pcProgressBar::Paint(HDC target) {
    RECT client{};
    ::GetClientRect(hWnd_, &client);
    const int lWidth = std::abs(client.right - client.left);
    const int lHeight = std::abs(client.bottom - client.top);
    const HDC memory = memDC_.hdc(lWidth, lHeight);
    GdiSurface surface(*this, memory != nullptr ? memory : target);
    ProgressPaint(*this, surface, {client.left, client.top, client.right, client.bottom}).Run();
    if (memory != nullptr) {
        memDC_.Draw(target, 0, 0, lWidth, lHeight, 0, 0);
    }
}

void pcProgressBar::FontAssigned() {
    if (hWnd_ != nullptr) {
        font_ = MakeFont(Font(), ::GetDpiForWindow(hWnd_));
    }
}

void pcProgressBar::PictureAssigned(PictureSlot slot) {
    Holder(slot).setPicture(PictureIn(slot));
}

void pcProgressBar::ModifyHolder(PictureSlot slot, double fLuminance, double fSaturation) {
    Holder(slot).Modify(fLuminance, fSaturation);
}

} // namespace orvane
