#pragma once

#include <QString>

#include <functional>
#include <string>

class QWidget;

namespace orvane::qt {

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

// Asks `dialog` for a folder between the special folders given by number; empty when
// cancelled.
std::string ChooseFolder(const FolderDialog& dialog, QWidget* owner, const std::string& title,
                         int startFolder, int rootFolder);

} // namespace orvane::qt
