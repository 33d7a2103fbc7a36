#include "support/VersionText.h"
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

using windows::frmMain;

// The debug mode widens the window; a click on Options then narrows it, while in normal mode
// it widens the window to 10000 twips and a second click narrows it back. At 96 dots per inch
// a pixel is 15 twips, a part of one going to the nearest: 6450 twips are 430 pixels, 13050 are
// 870 and 10000 are 666.67, so 667.
TEST(StartUp, OnlyTheExactArgumentDebugInAnyCaseTurnsOnDebugMode) {
    const std::pair<const char*, bool> cases[] = {
        {"-DEBUG", true},        {"-debug", true}, {"-DeBuG", true},  {"", false},
        {"-debug extra", false}, {"debug", false}, {" -debug", false}};
    for (const auto& [arguments, debug] : cases) {
        SCOPED_TRACE(arguments);
        WindowHarness harness(arguments);
        frmMain& window = harness.window();
        EXPECT_EQ(window.debugMode(), debug);
        EXPECT_EQ(window.windowTitle().toStdString(), TitleText() + (debug ? " DEBUG" : ""));
        ASSERT_EQ(window.logicalDpiX(), 96);
        EXPECT_EQ(window.width(), debug ? 870 : 430);
        EXPECT_EQ(window.mnuOptDebug.isVisible(), debug);

        QTest::mouseClick(&window.cmdOptions, Qt::LeftButton);
        EXPECT_EQ(window.width(), debug ? 430 : 667);
        EXPECT_EQ(window.cmdOptions.text(), debug ? "&Options >>" : "&Options <<");
        QTest::mouseClick(&window.cmdOptions, Qt::LeftButton);
        EXPECT_EQ(window.width(), debug ? 667 : 430);
        EXPECT_EQ(window.cmdOptions.text(), debug ? "&Options <<" : "&Options >>");
    }
}

TEST(Unload, ALogFileThatCannotBeWrittenIsNamedInAMessageBoxUnlessASignalEndsTheProgram) {
    WindowHarness harness;
    // A folder where the day's log file should be: the file cannot be opened.
    harness.folder().makeFolder("bin/logs/log_04_12_2026.txt");
    harness.window().Form_Unload();
    ASSERT_EQ(harness.shown.size(), 1U);
    EXPECT_TRUE(harness.shown[0].startsWith("Orvane|") &&
                harness.shown[0].contains("log_04_12_2026.txt"))
        << harness.shown[0].toStdString();
    EXPECT_EQ(harness.endings, 1);

    harness.restart();
    harness.window().unloadWithoutQuestions();
    EXPECT_TRUE(harness.window().unloaded());
    EXPECT_EQ(harness.shown.size(), 1U);
}

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
