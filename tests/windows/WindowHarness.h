#pragma once

#include "common/TempFolder.h"
#include "windows/WindowTestSupport.h"
#include "windows/frmMain.h"

#include <QApplication>
#include <QTimer>
#include <QtTest/QTest>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace orvane::test {

// A main window started as the program in a scratch folder: the INI file and the logs folder
// land there, the date is pinned (the log file is logs/log_04_12_2026.txt), and every dialog is
// recorded. The run handles events at every yield, so a test sees each of them.
class WindowHarness : public RecordingDialogs {
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

    int endings = 0;

private:
    void startWindow(std::string argumentText) {
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
