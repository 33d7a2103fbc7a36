#include "qt/HistoryWindow.h"

#include "qt/DesignFont.h"
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
    using windowlogic::frmHistory;
    txtHistory.setFont(DesignFont(frmHistory::kFont, QFont::Monospace));
    QPalette palette = txtHistory.palette();
    const windowlogic::Colour grey = frmHistory::kBackground;
    palette.setColor(QPalette::Base, QColor(grey.red, grey.green, grey.blue));
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
