#include "windows/MessageBoxes.h"

#include <QMessageBox>

namespace orvane {

void QtMessageBoxes::information(QWidget* owner, const QString& title, const QString& text) {
    QMessageBox::information(owner, title, text, QMessageBox::Ok);
}

} // namespace orvane
