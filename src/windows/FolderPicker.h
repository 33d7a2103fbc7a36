#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace orvane::windows {

// The shell's special-folder numbers the program uses.
namespace special_folder {
inline constexpr int desktop = 0;
inline constexpr int drives = 17;
} // namespace special_folder

// The folder of a special-folder number: the desktop is the user's home, the computer's
// drives are "/". A number without a folder of its own gives the desktop, as the shell
// gives its root for a location it cannot resolve.
QString SpecialFolderPath(int specialFolder);

// The dialog that asks for a folder: modal to the owner, titled, opened at the starting
// folder. Returns the chosen folder, or an empty text when the user cancelled. Tests put a
// scripted answer in its place.
using FolderDialog = std::function<QString(QWidget* owner, const QString& title,
                                           const QString& startFolder, const QString& rootFolder)>;

// Qt's folder dialog. The root is not passed on: Qt's dialog cannot be limited to a subtree,
// and the desktop, the only root the program uses, holds the whole tree anyway.
QString QtFolderDialog(QWidget* owner, const QString& title, const QString& startFolder,
                       const QString& rootFolder);

// Lets the user pick a folder; returns its path, or empty text when the dialog was
// cancelled. An empty title becomes "Browse for a folder", written back into the caller's
// variable. Without a starting folder the dialog starts at the root. The path comes back
// without a trailing separator, except the root "/" itself.
std::string BrowseForFolder(QWidget* owner, std::string& title, std::optional<int> startFolder,
                            int rootFolder, const FolderDialog& dialog);

} // namespace orvane::windows
