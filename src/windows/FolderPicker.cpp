#include "windows/FolderPicker.h"

#include <QDir>
#include <QFileDialog>

namespace orvane::windows {

QString SpecialFolderPath(int specialFolder) {
    if (specialFolder == special_folder::drives) {
        return QStringLiteral("/");
    }
    return QDir::homePath();
}

QString QtFolderDialog(QWidget* owner, const QString& title, const QString& startFolder,
                       const QString&) {
    return QFileDialog::getExistingDirectory(owner, title, startFolder, QFileDialog::ShowDirsOnly);
}

std::string BrowseForFolder(QWidget* owner, std::string& title, std::optional<int> startFolder,
                            int rootFolder, const FolderDialog& dialog) {
    const QString root = SpecialFolderPath(rootFolder);
    if (title.empty()) {
        title = "Browse for a folder";
    }
    const QString start = startFolder ? SpecialFolderPath(*startFolder) : root;
    QString chosen = dialog(owner, QString::fromLocal8Bit(title), start, root);
    while (chosen.size() > 1 && chosen.endsWith(QLatin1Char('/'))) {
        chosen.chop(1);
    }
    return chosen.toLocal8Bit().toStdString();
}

} // namespace orvane::windows
