#pragma once

#include <optional>
#include <string>

namespace orvane::windowlogic {

class MainWindowView;

// The shell's special-folder numbers the program uses.
namespace special_folder {
inline constexpr int desktop = 0;
inline constexpr int drives = 17;
} // namespace special_folder

// Lets the user pick a folder in the window's folder dialog; returns its path, or empty text
// when the dialog was cancelled. An empty title becomes "Browse for a folder", written back
// into the caller's variable. Without a starting folder the dialog starts at the root. The
// path ends with a separator only when it is a root (/, C:\), whatever the dialog gave.
std::string BrowseForFolder(MainWindowView& window, std::string& title,
                            std::optional<int> startFolder,
                            int rootFolder = special_folder::desktop);

} // namespace orvane::windowlogic
