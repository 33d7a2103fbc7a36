#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace orvane::win32 {

// The program keeps its texts in UTF-8 (paths as the platform layer gives them); every window
// holds UTF-16. A malformed sequence becomes U+FFFD.
std::wstring Wide(std::string_view text);
std::string Narrow(std::wstring_view text);

// A window's text as WM_GETTEXT gives it, and a new one, in UTF-8.
std::string TextOf(HWND window);
void SetText(HWND window, const std::string& text);

} // namespace orvane::win32
