#pragma once

#include <windows.h>

#include <string>

namespace orvane::win32 {

// The system's boxes and dialogs, modal to their owner. A text's CR LF breaks its line.
// A warning box titled with the program's title, with OK and Cancel; true for OK.
bool ConfirmBox(HWND owner, const std::string& text);
// An information box with an OK button.
void InformBox(HWND owner, const std::string& title, const std::string& text);
// The shell's folder dialog within the root special folder, opened with the starting one
// selected; the chosen folder's path, or empty text when cancelled or when the chosen item has
// no path (the drives folder itself, a printer).
std::string BrowseFolder(HWND owner, const std::string& title, int startFolder, int rootFolder);
// Opens a web page in the user's default browser; whether that worked is not checked.
void OpenWebPage(HWND owner, const std::string& address);

} // namespace orvane::win32
