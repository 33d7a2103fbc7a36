#pragma once

#include "win32/Text.h"
#include "win32/Window.h"

#include <functional>
#include <string>
#include <utility>

namespace orvane::win32 {

// What every secondary window does the same way in Win32: it is a window of its own owned by
// the main window (above it, hidden with it), shown in front without blocking it, closed as
// the user closes it (the logic's unload then runs), its caption the window's text.
template <typename View> class SecondaryWindow : public Window, public View {
public:
    void bringForward() override {
        ::ShowWindow(hwnd(), SW_SHOW);
        ::BringWindowToTop(hwnd());
    }
    void closeWindow() override {
        ::ShowWindow(hwnd(), SW_HIDE);
        unload_();
    }
    void setCaption(const std::string& caption) override { SetText(hwnd(), caption); }

protected:
    SecondaryWindow(HWND owner, const std::wstring& caption, DWORD style,
                    std::function<void()> unload)
        : unload_(std::move(unload)) {
        create(style, caption, owner);
    }

    LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_CLOSE) {
            closeWindow();
            return 0;
        }
        return Window::Message(message, wParam, lParam);
    }

private:
    std::function<void()> unload_;
};

// A window that keeps its size, and one the user can resize.
inline constexpr DWORD kFixedWindow = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
inline constexpr DWORD kSizableWindow = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

} // namespace orvane::win32
