#include "qt/FolderDialog.h"

#include "windowlogic/FolderPicker.h"

#include <QDir>
#include <QFileDialog>

namespace orvane::qt {

QString SpecialFolderPath(int specialFolder) {
    if (specialFolder == windowlogic::special_folder::drives) {
        return QStringLiteral("/");
    }
    return QDir::homePath();
}

QString QtFolderDialog(QWidget* owner, const QString& title, const QString& startFolder,
                       const QString&) {
    return QFileDialog::getExistingDirectory(owner, title, startFolder, QFileDialog::ShowDirsOnly);
}

std::string ChooseFolder(const FolderDialog& dialog, QWidget* owner, const std::string& title,
                         int startFolder, int rootFolder) {
    return dialog(owner, QString::fromLocal8Bit(title), SpecialFolderPath(startFolder),
                  SpecialFolderPath(rootFolder))
        .toLocal8Bit()
        .toStdString();
}

} // namespace orvane::qt
