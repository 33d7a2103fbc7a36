#include "qt/WindowDialogs.h"

#include "support/AppIdentity.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

namespace orvane::qt {

namespace {

bool confirmBox(QWidget* owner, const QString& text) {
    QMessageBox box(QMessageBox::Warning,
                    QString::fromUtf8(app_identity::title.data(),
                                      static_cast<qsizetype>(app_identity::title.size())),
                    text, QMessageBox::Ok | QMessageBox::Cancel, owner);
    return box.exec() == QMessageBox::Ok;
}

void informationBox(QWidget* owner, const QString& title, const QString& text) {
    QMessageBox::information(owner, title, text, QMessageBox::Ok);
}

void openInBrowser(const QString& address) {
    QDesktopServices::openUrl(QUrl(address));
}

} // namespace

WindowDialogs QtDialogs() {
    return {confirmBox, informationBox, QtFolderDialog, openInBrowser};
}

QString BoxText(const std::string& text) {
    QString boxText = QString::fromLocal8Bit(text);
    boxText.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return boxText;
}

} // namespace orvane::qt
