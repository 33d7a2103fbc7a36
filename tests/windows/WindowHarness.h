#pragma once

#include "common/TempFolder.h"
#include "windows/frmMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QtTest/QTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace orvane::test {

// The items of a list, and the lines of a log, in order.
inline std::vector<std::string> itemsOf(const ListElement& list) {
    std::vector<std::string> items;
    for (std::size_t i = 0; i < list.count(); ++i) {
        items.push_back(list.item(i));
    }
    return items;
}
inline std::vector<std::string> linesOf(const SessionLog& log) {
    std::vector<std::string> lines;
    for (std::size_t i = 1; i <= log.count(); ++i) {
        lines.push_back(log.line(i));
    }
    return lines;
}

// Lets the event loop run until the condition holds; false after a few seconds without it.
// Deferred deletions (closed windows) are carried out on the way.
inline bool eventually(const std::function<bool()>& condition) {
    QElapsedTimer waited;
    waited.start();
    while (!condition()) {
        if (waited.elapsed() > 5000) {
            return false;
        }
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

// A main window started as the program in a scratch folder: the INI file, the history file
// (bin/bin_history.txt) and the logs folder are there, the date is pinned (the log file is
// logs/log_04_12_2026.txt), and the dialogs record what they would have shown or opened, so
// nothing blocks on a box nobody can click and no browser starts. The n-th confirmation
// answers with `answers`[n] (past its end: Cancel) and records its text; an information box
// is recorded as "title|text". The run handles events at every yield, so a test sees each.
class WindowHarness {
public:
    explicit WindowHarness(std::string argumentText = {})
        : programFolder_(folder_.makeFolder("bin")) {
        startWindow(std::move(argumentText));
    }

    // A second start of the same program, after the first has unloaded.
    void restart(std::string argumentText = {}) {
        window_.reset();
        startWindow(std::move(argumentText));
    }

    windows::frmMain& window() { return *window_; }
    // Shows the window as the active one, as the desktop shows a started program, so that it
    // receives keys and keeps a focus.
    bool showActive() {
        window_->show();
        window_->activateWindow();
        return QTest::qWaitForWindowActive(window_.get());
    }
    MainWindowElements& elements() { return window_->elements(); }
    const TempFolder& folder() const { return folder_; }
    std::string logFile() const { return readFile(programFolder_ + "/logs/log_04_12_2026.txt"); }
    std::vector<std::string> logLines() const { return linesOf(window_->sessionLog()); }
    bool logged(const std::string& line) const {
        const auto lines = logLines();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }

    // Types the two folders into the boxes and clicks Start; returns when the run has ended.
    void runCopy(const std::string& source, const std::string& destination) {
        window_->txtSource.clear();
        QTest::keyClicks(&window_->txtSource, QString::fromStdString(source));
        window_->txtDestination.clear();
        QTest::keyClicks(&window_->txtDestination, QString::fromStdString(destination));
        QTest::mouseClick(&window_->cmdStart, Qt::LeftButton);
    }

    // Runs `action` once, at the first handling of events during which `condition` holds.
    // The run handles events only inside its yields, so this is how a user's click lands in
    // the middle of a run, at a chosen moment of it.
    void whenDuringRun(std::function<bool()> condition, std::function<void()> action) {
        poll_.disconnect();
        poll_.setInterval(0);
        QObject::connect(&poll_, &QTimer::timeout, [this, condition, action] {
            if (condition()) {
                poll_.stop();
                action();
            }
        });
        poll_.start();
    }

    std::vector<bool> answers;
    std::vector<QString> questions, shown, opened;
    int endings = 0;

private:
    void startWindow(std::string argumentText) {
        const windows::WindowDialogs dialogs{
            [this](QWidget*, const QString& text) {
                questions.push_back(text);
                return questions.size() <= answers.size() && answers[questions.size() - 1];
            },
            [this](QWidget*, const QString& title, const QString& text) {
                shown.push_back(title + "|" + text);
            },
            [](QWidget*, const QString&, const QString&, const QString&) { return QString(); },
            [this](const QString& address) { opened.push_back(address); }};
        windows::ProgramSetup setup{
            {platform::ProgramLayout::Portable, "bin", programFolder_, programFolder_ + "/logs",
             programFolder_},
            std::move(argumentText),
            {systemClocks().tickCount, [] { return platform::LocalTime{2026, 12, 4, 9, 30, 0}; }},
            ".",
            dialogs,
            std::chrono::milliseconds(0),
            std::chrono::milliseconds(0),
            [this] { ++endings; }};
        window_ = std::make_unique<windows::frmMain>(std::move(setup));
    }

    QTimer poll_;
    TempFolder folder_;
    std::string programFolder_;
    std::unique_ptr<windows::frmMain> window_;
};

} // namespace orvane::test
