#pragma once

#include "qt/MainWindow.h"
#include "windowlogic/ScriptedWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QtTest/QTest>

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

// A main window started as the program in a scratch folder (see ScratchSetup), whose
// dialogs open nothing, so nothing blocks on a box nobody can click and no browser starts:
// a confirmation answers Cancel, and the web pages it would open are recorded.
class WindowHarness {
public:
    explicit WindowHarness(std::string argumentText = {})
        : programFolder_(folder_.makeFolder("bin")),
          window_(std::make_unique<qt::MainWindow>(qt::WindowSetup{
              ScratchSetup(programFolder_, std::move(argumentText)),
              {[](QWidget*, const QString&) { return false; },
               [](QWidget*, const QString&, const QString&) {},
               [](QWidget*, const QString&, const QString&, const QString&) { return QString(); },
               [this](const QString& address) { opened.push_back(address); }},
              [this] { ++endings; }})) {}

    qt::MainWindow& window() { return *window_; }
    // Shows the window as the active one, as the desktop shows a started program, so that it
    // receives keys and keeps a focus.
    bool showActive() {
        window_->show();
        window_->activateWindow();
        return QTest::qWaitForWindowActive(window_.get());
    }
    const TempFolder& folder() const { return folder_; }
    std::string logFile() const { return readFile(programFolder_ + "/logs/log_04_12_2026.txt"); }

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

    std::vector<QString> opened;
    int endings = 0;

private:
    QTimer poll_;
    TempFolder folder_;
    std::string programFolder_;
    std::unique_ptr<qt::MainWindow> window_;
};

} // namespace orvane::test
