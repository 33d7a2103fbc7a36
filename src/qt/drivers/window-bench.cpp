// orvane-window-bench: one copy run of the window program, driven through its widgets as a
// user would drive it: the folders typed into the boxes, Direct Copy checked in the menu if
// asked for, Start clicked, and the window closed when the run is over, which saves the log.
// The benchmark times the whole process, as it times orvane-cli; the driver also prints the
// run's own time, from the click on Start to the log saved at exit, as "run-s SECONDS", which
// leaves out the start of the program and of its connection to the display.
//
//   orvane-window-bench [--direct] [--stop] SOURCE DESTINATION
//
// With --stop, a click on Stop is posted from another thread, as the window system posts a
// real click, as soon as the run has begun to copy; the driver then prints how long the
// click waited until its handler ran and until the run had ended, in milliseconds.

#include "platform/LocaleFacts.h"
#include "qt/MainWindow.h"

#include <QApplication>
#include <QMetaObject>
#include <QtTest/QTest>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
using namespace orvane::qt;

double millisecondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// Posts one click on Stop once the run copies, and notes when it was posted.
class StopClicker {
public:
    explicit StopClicker(MainWindow& window) : window_(window) {}

    void watch() {
        watch_.setInterval(0);
        QObject::connect(&watch_, &QTimer::timeout, [this] {
            const auto& e = window_.elements();
            if (e.pbFileCopy.Value() > 0 || e.pbTotalFiles.Value() > 0) {
                watch_.stop();
                copying_ = true;
            }
        });
        QObject::connect(&window_.cmdCancel, &QPushButton::clicked,
                         [this] { handled_ = Clock::now(); });
        watch_.start();
        poster_ = std::thread([this] {
            while (!copying_ && !finished_) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            if (finished_) {
                return;
            }
            posted_ = Clock::now();
            QMetaObject::invokeMethod(&window_.cmdCancel, "click", Qt::QueuedConnection);
            clicked_ = true;
        });
    }

    void report(Clock::time_point runEnd) {
        finished_ = true;
        poster_.join();
        if (!clicked_ || handled_ == Clock::time_point{}) {
            std::printf("stop: the run ended before it could be stopped\n");
            return;
        }
        std::printf("stop-handled-ms %.1f stop-run-ended-ms %.1f\n",
                    millisecondsBetween(posted_, handled_), millisecondsBetween(posted_, runEnd));
    }

private:
    MainWindow& window_;
    QTimer watch_;
    std::thread poster_;
    std::atomic<bool> copying_{false};
    std::atomic<bool> finished_{false};
    std::atomic<bool> clicked_{false};
    Clock::time_point posted_;
    Clock::time_point handled_;
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    orvane::platform::adoptUserLocale();
    QStringList arguments = QCoreApplication::arguments().mid(1);
    const bool direct = arguments.removeAll(QStringLiteral("--direct")) > 0;
    const bool stop = arguments.removeAll(QStringLiteral("--stop")) > 0;
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: orvane-window-bench [--direct] [--stop] SOURCE DESTINATION\n");
        return 64;
    }

    WindowSetup setup = RunningWindowSetup({});
    // The confirmation of Direct Copy is answered OK, as the user starting this run would.
    setup.dialogs.confirm = [](QWidget*, const QString&) { return true; };
    setup.endProgram = [] {};
    MainWindow window(std::move(setup));
    window.show();
    QCoreApplication::processEvents();

    QTest::keyClicks(&window.txtSource, arguments[0]);
    QTest::keyClicks(&window.txtDestination, arguments[1]);
    if (direct) {
        window.entry(orvane::windowlogic::MenuCommand::mnuOptDcopy).trigger();
    }
    StopClicker clicker(window);
    if (stop) {
        clicker.watch();
    }
    const Clock::time_point runStart = Clock::now();
    QTest::mouseClick(&window.cmdStart, Qt::LeftButton);
    const Clock::time_point runEnd = Clock::now();
    if (stop) {
        clicker.report(runEnd);
    }
    window.close();
    std::printf("run-s %.3f\n", millisecondsBetween(runStart, Clock::now()) / 1000);
    return 0;
}
