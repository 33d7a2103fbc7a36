#include "windows/frmHistory.h"

#include "support/AppIdentity.h"
#include "support/VersionText.h"
#include "windows/Twips.h"
#include "windows/WindowDialogs.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <fstream>

namespace orvane::windows {

namespace {

constexpr int kWidth = 5370, kHeight = 6585; // twips

QFont historyFont() {
    QFont font(QStringLiteral("Lucida Console"), 9);
    font.setStyleHint(QFont::Monospace);
    return font;
}

// One line of the file without its end: lines end with CR LF; a lone LF ends one too.
bool readLine(std::istream& in, std::string& line) {
    if (!std::getline(in, line)) {
        return false;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return true;
}

} // namespace

frmHistory::frmHistory(std::string historyFile, const WindowDialogs& dialogs, YieldHook yield,
                       QWidget* owner)
    : QWidget(owner, Qt::Window), historyFile_(std::move(historyFile)), dialogs_(dialogs),
      yield_(std::move(yield)), txtHistory_(new QPlainTextEdit(this)) {
    setWindowTitle(QStringLiteral("History"));
    txtHistory_->setObjectName(QStringLiteral("txtHistory"));
    txtHistory_->setReadOnly(true);
    txtHistory_->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtHistory_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtHistory_->setFont(historyFont());
    QPalette palette = txtHistory_->palette();
    palette.setColor(QPalette::Base, QColor(224, 224, 224));
    txtHistory_->setPalette(palette);
}

void frmHistory::Form_Load() {
    // The window manager adds the frame; these are the window's own width and height.
    resize(TwipsToPixels(kWidth, logicalDpiX()), TwipsToPixels(kHeight, logicalDpiX()));
    // Sized once: the text box does not follow later resizing.
    txtHistory_->setGeometry(0, 0, width(), height());
    show();
    yield_();
}

void frmHistory::history_load_next() {
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
    }
    txtHistory_->clear();
    readFile();
    if (txtHistory_->toPlainText().isEmpty()) {
        dialogs_.inform(this,
                        QString::fromUtf8(app_identity::title.data(),
                                          static_cast<int>(app_identity::title.size())),
                        QStringLiteral("No history file found"));
        close();
    }
}

void frmHistory::closeEvent(QCloseEvent* event) {
    // A closed window is unloaded: the next use loads and shows it again.
    loaded_ = false;
    QWidget::closeEvent(event);
}

void frmHistory::readFile() {
    std::ifstream in(historyFile_, std::ios::binary);
    std::string line;
    if (!readLine(in, line)) {
        // Missing, unreadable or without a single line: the caption stays as it is.
        return;
    }
    txtHistory_->setPlainText(QString::fromLocal8Bit(line));
    // Each line goes into a block of its own, so empty lines stay, the first one included.
    QTextCursor end(txtHistory_->document());
    end.movePosition(QTextCursor::End);
    while (readLine(in, line)) {
        end.insertBlock();
        end.insertText(QString::fromLocal8Bit(line));
        yield_();
    }
    if (in.bad()) {
        // What was read so far stays; the caption is left unchanged.
        return;
    }
    setWindowTitle(QString::fromStdString(TitleText()) + QStringLiteral(" -- History"));
}

} // namespace orvane::windows
