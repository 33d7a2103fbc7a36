#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace orvane::win32 {

// A failure that escapes a handler must not unwind through the system's code that called the
// window procedure: it is caught there and handed to this handler (the program reports it,
// unloads the main window and ends).
void SetFailureHandler(std::function<void(const std::string& what)> handler);

// A top-level window of the toolkit, owned by this object: its procedure hands every message
// to Message() and catches what a handler throws. The window goes with the object.
class Window {
public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND hwnd() const { return hwnd_; }
    UINT dpi() const;

protected:
    Window() = default;
    // Makes the window, hidden, owned by `owner` (none for the main window).
    void create(DWORD style, const std::wstring& caption, HWND owner, HMENU menu = nullptr);
    virtual LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
        return ::DefWindowProcW(hwnd_, message, wParam, lParam);
    }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
};

// A plain child window that holds other controls: a frame's inside, or a part of a window that
// is hidden as a whole. It takes part in the dialog keys (Tab passes into it, and never into a
// hidden or disabled one) and passes what its controls tell their parent on to its top-level
// window, which handles them all in one place.
HWND MakePanel(HWND parent, int id);
// The id of a frame's group box in its panel, which the panel keeps at its own size.
inline constexpr int kFrameBoxId = 99;

// The window's own visible flag: a control of a hidden window is not visible, yet shown.
inline bool IsShown(HWND window) {
    return (::GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

// A control of the system's classes, as a child of `parent` with a command id.
HWND MakeChild(const wchar_t* className, DWORD style, DWORD exStyle, HWND parent, int id,
               const std::string& text = {});

} // namespace orvane::win32
