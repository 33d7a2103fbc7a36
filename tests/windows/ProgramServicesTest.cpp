#include "windows/OrvaneApplication.h"
#include "windows/UnloadSignals.h"
#include "windows/WindowHarness.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <csignal>
#include <memory>
#include <stdexcept>

namespace orvane::test {
namespace {

TEST(UnloadSignals, ASignalDuringARunSavesTheLogAndEndsTheProgram) {
    WindowHarness harness;
    windows::frmMain& w = harness.window();
    const windows::UnloadSignals unloadSignals([&w](int) { w.close(); });
    harness.folder().makeFolder("backup");
    for (int i = 0; i < 50; ++i) {
        harness.folder().write("data/Photos/" + std::to_string(i) + ".txt", "alpha");
    }
    harness.whenDuringRun([] { return true; }, [] { std::raise(SIGTERM); });

    harness.runCopy(harness.folder() / "data/Photos", harness.folder() / "backup");

    EXPECT_TRUE(w.unloaded());
    EXPECT_EQ(harness.endings, 1);
    const std::string saved = harness.logFile();
    EXPECT_TRUE(test::holds(saved, "Start copying on "));
    EXPECT_EQ(saved.find("Stopped copying on "), std::string::npos) << saved;
}

// An object whose every event fails, as a handler with a fault would.
class FailingObject : public QObject {
public:
    bool event(QEvent*) override { throw std::runtime_error("a fault in a handler"); }
};

TEST(OrvaneApplication, AnExceptionFromAHandlerUnloadsTheWindowInsteadOfEndingTheProgram) {
    auto* application = dynamic_cast<windows::OrvaneApplication*>(QCoreApplication::instance());
    ASSERT_NE(application, nullptr);
    WindowHarness harness;
    application->setFailureHandler([&harness] { harness.window().Form_Unload(); });
    FailingObject failing;
    // The event queue takes the event over.
    QCoreApplication::postEvent(&failing, std::make_unique<QEvent>(QEvent::User).release());
    // The failure ends the event loop with the failure status.
    EXPECT_EQ(QCoreApplication::exec(), windows::OrvaneApplication::kFailureStatus);
    application->setFailureHandler({});

    EXPECT_TRUE(harness.window().unloaded());
    EXPECT_EQ(harness.logFile().rfind("New session started on ", 0), 0U);
}

} // namespace
} // namespace orvane::test
