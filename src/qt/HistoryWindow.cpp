#include "qt/HistoryWindow.h"

#include "qt/ElementBinding.h"

#include <QCloseEvent>

namespace orvane::qt {

HistoryWindow::HistoryWindow(windowlogic::frmHistory& logic, const WindowDialogs& dialogs,
                             QWidget* owner)
    : SecondaryWindow(owner), logic_(logic), dialogs_(dialogs) {
    setWindowTitle(QStringLiteral("History"));
    txtHistory.setObjectName(QStringLiteral("txtHistory"));
    txtHistory.setReadOnly(true);
    txtHistory.setLineWrapMode(QPlainTextEdit::NoWrap);
    txtHistory.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font(QStringLiteral("Lucida Console"), 9);
    font.setStyleHint(QFont::Monospace);
    txtHistory.setFont(font);
    QPalette palette = txtHistory.palette();
    palette.setColor(QPalette::Base, QColor(224, 224, 224));
    txtHistory.setPalette(palette);
    BindTextArea(sync_, logic.txtHistory, txtHistory);
}

void HistoryWindow::fitTextBox() {
    fitted_ = true;
    txtHistory.setGeometry(0, 0, width(), height());
}

void HistoryWindow::inform(const std::string& title, const std::string& text) {
    dialogs_.inform(this, QString::fromStdString(title), BoxText(text));
}

void HistoryWindow::closeEvent(QCloseEvent* event) {
    // A closed window is unloaded: the next use loads and shows it again.
    logic_.Form_Unload();
    QWidget::closeEvent(event);
}

} // namespace orvane::qt
