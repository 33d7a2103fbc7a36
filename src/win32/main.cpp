// orvane.exe: the window program on Windows. The main window is the program: loading it
// counts the start and writes the session header, and unloading it (Quit, the close box, the
// end of the desktop session) saves the session log and ends the program.

#include "platform/LocaleFacts.h"
#include "platform/RunningProgramFolders.h"
#include "platform/StandardOutput.h"
#include "support/ShownText.h"
#include "win32/MainWindow.h"
#include "win32/MessageLoop.h"
#include "win32/Text.h"
#include "windowlogic/ProgramArguments.h"

#include <commctrl.h>
#include <ole2.h>

#include <exception>
#include <iostream>

namespace {

// The status of a program ended by a failure of its own.
constexpr int kFailureStatus = 70;

// In the middle of the screen's free area, as a window of the program's size can always be.
void Centre(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    RECT outer{};
    ::GetWindowRect(window, &outer);
    const RECT& work = monitor.rcWork;
    ::SetWindowPos(window, nullptr,
                   work.left + (work.right - work.left - (outer.right - outer.left)) / 2,
                   work.top + (work.bottom - work.top - (outer.bottom - outer.top)) / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ReportFailure(const std::string& what) {
    std::cerr << orvane::ShownText("orvane: unexpected failure: " + what) << '\n';
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
    using namespace orvane::win32;
    orvane::platform::openClosedStandardStreams();
    // The folder dialog is made of the shell's objects.
    ::OleInitialize(nullptr);
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&classes);
    orvane::platform::adoptUserLocale();

    WindowSetup setup =
        RunningWindowSetup(orvane::windowlogic::ArgumentTextOf(Narrow(::GetCommandLineW())));
    orvane::platform::prepareProgramFolders(setup.program.folders);
    MainWindow window(std::move(setup));
    bool failed = false;
    SetFailureHandler([&window, &failed](const std::string& what) {
        ReportFailure(what);
        if (!failed) {
            failed = true;
            window.unloadWithoutQuestions();
        }
    });
    Centre(window.hwnd());
    ::ShowWindow(window.hwnd(), show);
    try {
        const int status = RunMessageLoop();
        return failed ? kFailureStatus : status;
    } catch (const std::exception& failure) {
        // Outside any window procedure, where no handler could catch it.
        ReportFailure(failure.what());
        window.unloadWithoutQuestions();
        return kFailureStatus;
    }
}
