#pragma once

#include <windows.h>

namespace orvane::win32 {

// The program's one event loop, whoever pumps it (the main loop, or a run's yield): a key
// goes first to the main window's menu shortcuts when it is for that window, a control of it
// included, then to the dialog keys (Tab, the arrow keys, Alt+letter, Enter) of the window it
// is for, and only then to the control itself.
void SetMenuShortcuts(HWND window, HACCEL table);
void DispatchOne(MSG& message);

// Hands on every message waiting now and returns. A quit request stays in the queue for the
// main loop, which ends the program.
void HandleWaitingMessages();
// Sleeps until a message comes, then hands on what has come.
void WaitForMessages();
// The main loop, until the program is ended; the exit status.
int RunMessageLoop();

} // namespace orvane::win32
