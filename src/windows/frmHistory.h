#pragma once

#include "state/YieldHook.h"

#include <QWidget>

#include <string>

class QPlainTextEdit;

namespace orvane::windows {

struct WindowDialogs;

// The history window: the program's version history, read from the text file beside the
// executable. The Help menu calls history_load_next on every use; the first call loads and
// shows the window, each call reads the file afresh. Without a history to show the user is
// told so and the window closes.
class frmHistory final : public QWidget {
    Q_OBJECT
public:
    // `historyFile` is the full path of the history file; `yield` lets the window paint and
    // the run go on between lines.
    frmHistory(std::string historyFile, const WindowDialogs& dialogs, YieldHook yield,
               QWidget* owner = nullptr);

    void history_load_next();

    QPlainTextEdit& txtHistory() const { return *txtHistory_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void readFile();

    std::string historyFile_;
    const WindowDialogs& dialogs_;
    YieldHook yield_;
    QPlainTextEdit* txtHistory_;
    bool loaded_ = false;
};

} // namespace orvane::windows
