#include "win32/Controls.h"

#include "win32/Window.h"

namespace orvane::win32 {

HWND MakeLabel(HWND parent, int id, DWORD style) {
    return MakeChild(L"STATIC", SS_LEFT | SS_NOPREFIX | style, 0, parent, id);
}

HWND MakeButton(HWND parent, int id) {
    return MakeChild(L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, parent, id);
}

HWND MakeTextBox(HWND parent, int id, DWORD style) {
    return MakeChild(L"EDIT", WS_TABSTOP | style, WS_EX_CLIENTEDGE, parent, id);
}

HWND MakeListBox(HWND parent, int id) {
    return MakeChild(L"LISTBOX",
                     WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0,
                     parent, id);
}

Frame MakeFrame(HWND parent, int id) {
    Frame frame{MakePanel(parent, id), nullptr};
    frame.box = MakeChild(L"BUTTON", BS_GROUPBOX, 0, frame.panel, kFrameBoxId);
    return frame;
}

void SinkFrameBox(const Frame& frame) {
    ::SetWindowPos(frame.box, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

} // namespace orvane::win32
