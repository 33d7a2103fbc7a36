#pragma once

#include <windows.h>

namespace orvane::win32 {

// The system's controls as the windows use them. Labels never read "&" as a mnemonic: they
// show file names.
HWND MakeLabel(HWND parent, int id, DWORD style = 0);
HWND MakeButton(HWND parent, int id);
HWND MakeTextBox(HWND parent, int id, DWORD style = ES_AUTOHSCROLL);
// A standard list box: it holds its items' texts, so LB_GETTEXT answers.
HWND MakeListBox(HWND parent, int id);

// A frame: a panel that holds the frame's controls, with a group box at the panel's edges
// beneath them for the caption and the border.
struct Frame {
    HWND panel = nullptr;
    HWND box = nullptr;
};
Frame MakeFrame(HWND parent, int id);
// Once the frame's controls are made (each new one goes beneath those before it): the group
// box goes beneath them all, where it never paints over them.
void SinkFrameBox(const Frame& frame);

} // namespace orvane::win32
