// orvane: the window program. The main window is the program: loading it counts the start
// and writes the session header, and unloading it saves the session log and ends the run.

#include "platform/LocaleFacts.h"
#include "platform/RunningProgramFolders.h"
#include "platform/StandardOutput.h"
#include "platform/StopSignals.h"
#include "qt/MainWindow.h"
#include "qt/OrvaneApplication.h"
#include "qt/UnloadSignals.h"
#include "windowlogic/ProgramArguments.h"

#include <string>
#include <vector>

namespace {

// The arguments after the program's name, without those Qt took for itself (-platform and
// the like).
std::vector<std::string> programArguments() {
    std::vector<std::string> arguments;
    const QStringList all = QCoreApplication::arguments();
    for (qsizetype i = 1; i < all.size(); ++i) {
        arguments.push_back(all[i].toLocal8Bit().toStdString());
    }
    return arguments;
}

} // namespace

int main(int argc, char** argv) {
    using namespace orvane::qt;
    orvane::platform::openClosedStandardStreams();
    OrvaneApplication application(argc, argv);
    orvane::platform::adoptUserLocale();
    orvane::platform::ignoreFileSizeLimitSignal();

    WindowSetup setup = RunningWindowSetup(orvane::windowlogic::ArgumentText(programArguments()));
    orvane::platform::prepareProgramFolders(setup.program.folders);
    MainWindow window(std::move(setup));
    application.setFailureHandler([&window] { window.unloadWithoutQuestions(); });
    const UnloadSignals unloadSignals([&window](int) { window.unloadWithoutQuestions(); });
    // Whatever else ends the event loop (a session manager, say) still saves the log.
    QObject::connect(&application, &QCoreApplication::aboutToQuit, &window,
                     [&window] { window.logic().Form_Unload(); });
    window.show();
    try {
        return OrvaneApplication::exec();
    } catch (...) {
        // Outside any event handler, where the application could not catch it.
        window.unloadWithoutQuestions();
        return OrvaneApplication::kFailureStatus;
    }
}
