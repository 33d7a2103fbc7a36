// orvane-cli: a copy run started from a shell, as if a user had typed the two folders into
// the window, set the options, pressed Start, answered OK, and closed the program after it.

#include "app/RunController.h"
#include "app/RunReport.h"
#include "app/SessionStart.h"
#include "app/StatusLine.h"
#include "cli/CliArguments.h"
#include "platform/CommandLine.h"
#include "platform/RunningProgramFolders.h"
#include "platform/StandardOutput.h"
#include "platform/StopSignals.h"
#include "platform/TickCount.h"
#include "support/LogFileSaver.h"
#include "support/ShownText.h"
#include "support/VersionText.h"

#include <iostream>

namespace {

using namespace orvane;

// What runs at every yield of the run: a stop signal, or a standard output that can no
// longer be written, becomes a click on Stop, and every 999 ms the clock ticks and the
// terminal's status line is redrawn.
class YieldPump {
public:
    YieldPump(MainWindowElements& window, bool showStatus, const bool& outputLost)
        : window_(window), showStatus_(showStatus), outputLost_(outputLost) {}

    void attach(RunController& controller) { controller_ = &controller; }

    void operator()() {
        if ((platform::stopSignalled() || outputLost_) && !stopClicked_) {
            stopClicked_ = true;
            controller_->cmdCancel_Click();
        }
        const std::uint32_t now = platform::tickCount();
        if (window_.tmrClock.enabled() && now - lastTick_ >= 999) {
            lastTick_ = now;
            controller_->tmrClock_Timer();
            drawStatus();
        }
    }

    void clearStatus() const {
        if (showStatus_) {
            std::cerr << "\r\x1b[K" << std::flush;
        }
    }

private:
    void drawStatus() const {
        if (showStatus_) {
            std::cerr << "\r\x1b[K" << StatusLine(window_) << std::flush;
        }
    }

    MainWindowElements& window_;
    bool showStatus_;
    const bool& outputLost_;
    RunController* controller_ = nullptr;
    bool stopClicked_ = false;
    // Set one period back, so that the first yield already ticks: even a run shorter than a
    // second shows its status once.
    std::uint32_t lastTick_ = platform::tickCount() - 999;
};

int runCopy(const cli::CliArguments& arguments, const platform::ProgramFolders& folders) {
    platform::adoptUserLocale();
    platform::installStopSignals();
    const std::string separator = platform::decimalSeparator();
    platform::prepareProgramFolders(folders);

    RunState state;
    MainWindowElements window;
    SessionLog log;
    // Each line is written as it is logged, so a pipe or a file sees it at once. Once the
    // output fails (its reader went away) nothing more is printed and the run stops.
    bool outputLost = false;
    log.setLineListener([&outputLost](std::string_view line) {
        outputLost = outputLost || !platform::writeStandardOutputLine(line);
    });
    StartSession(log, IniStore(folders.settingsLocation()), folders.logs, platform::localNow(),
                 std::cerr);
    const auto saveLog = [&] {
        platform::deferStopSignals();
        SaveLogToFile(log, window, folders.logs, platform::localNow, separator, std::cerr);
    };

    return GuardSession(
        log,
        [&] {
            window.txtSource.setCaption(arguments.source);
            window.txtDestination.setCaption(arguments.destination);
            window.mnuOptMove.setChecked(arguments.move);
            window.mnuOptDcopy.setChecked(arguments.direct);

            AlwaysOk answerOk;
            YieldPump pump(window, platform::standardErrorIsTerminal(), outputLost);
            // The log line of a file not done is fixed; the user is told here what went wrong.
            state.problemListener = [&pump](const std::string& path, const std::string& reason) {
                pump.clearStatus();
                std::cerr << ShownText("orvane-cli: " + path + ": " + reason) << "\n";
            };
            state.resumeListener = [&pump](const std::string& path, std::int64_t resumed,
                                           std::int64_t size) {
                pump.clearStatus();
                std::cerr << ShownText("orvane-cli: " + path + ": resumed, " +
                                       std::to_string(resumed) + " of " + std::to_string(size) +
                                       " bytes were copied before")
                          << "\n";
            };
            RunController controller(
                state, window, log, [&pump] { pump(); }, answerOk, systemClocks(), separator);
            pump.attach(controller);
            controller.cmdStart_Click();
            pump.clearStatus();

            saveLog();
            std::cerr << "orvane-cli: " << OutcomeSummary(state.outcome) << "\n";
            return ExitStatus(controller.lastEnding(), controller.lastRunStopped(), state.outcome);
        },
        saveLog);
}

} // namespace

int main(int argc, char** argv) {
    platform::openClosedStandardStreams();
    const cli::CliArguments arguments =
        cli::ParseArguments(platform::commandLineArguments(argc, argv));
    // The layout decides where the INI file and the logs go; nothing below start-up knows it.
    const platform::ProgramFolders folders = platform::runningProgramFolders();
    switch (arguments.action) {
    case cli::CliArguments::Action::Help:
        std::cout << cli::UsageText(folders.logs);
        return 0;
    case cli::CliArguments::Action::Version:
        std::cout << TitleText() << "\n";
        return 0;
    case cli::CliArguments::Action::UsageError:
        std::cerr << ShownText("orvane-cli: " + arguments.problem) << "\n"
                  << cli::UsageText(folders.logs);
        return 64;
    case cli::CliArguments::Action::Run:
        break;
    }
    return runCopy(arguments, folders);
}
