#include "support/VersionText.h"
#include "windows/Twips.h"
#include "windows/WindowHarness.h"

#include <gtest/gtest.h>

namespace orvane::test {
namespace {

using windows::frmMain;

int pixels(const frmMain& window, int twips) {
    return windows::TwipsToPixels(twips, window.logicalDpiX());
}

// The debug mode widens the window; a click on Options then narrows it, while in normal mode
// it widens the window to 10000 twips and a second click narrows it back.
TEST(StartUp, OnlyTheExactArgumentDebugInAnyCaseTurnsOnDebugMode) {
    struct Case {
        const char* arguments;
        bool debug;
    };
    for (const Case& c :
         {Case{"-DEBUG", true}, Case{"-debug", true}, Case{"-DeBuG", true}, Case{"", false},
          Case{"-debug extra", false}, Case{"debug", false}, Case{" -debug", false}}) {
        SCOPED_TRACE(c.arguments);
        WindowHarness harness(c.arguments);
        frmMain& window = harness.window();
        const std::string title = TitleText();
        EXPECT_EQ(window.debugMode(), c.debug);
        EXPECT_EQ(window.windowTitle().toStdString(), c.debug ? title + " DEBUG" : title);
        EXPECT_EQ(window.width(), pixels(window, c.debug ? 13050 : 6450));
        EXPECT_EQ(window.mnuOptDebug.isVisible(), c.debug);

        QTest::mouseClick(&window.cmdOptions, Qt::LeftButton);
        EXPECT_EQ(window.width(), pixels(window, c.debug ? 6450 : 10000));
        EXPECT_EQ(window.cmdOptions.text(), c.debug ? "&Options >>" : "&Options <<");
        QTest::mouseClick(&window.cmdOptions, Qt::LeftButton);
        EXPECT_EQ(window.width(), pixels(window, c.debug ? 10000 : 6450));
        EXPECT_EQ(window.cmdOptions.text(), c.debug ? "&Options <<" : "&Options >>");
    }
}

TEST(Unload, ALogFileThatCannotBeWrittenIsNamedInAMessageBoxUnlessASignalEndsTheProgram) {
    WindowHarness harness;
    // A folder where the day's log file should be: the file cannot be opened.
    harness.folder().makeFolder("bin/logs/log_04_12_2026.txt");
    harness.window().Form_Unload();
    ASSERT_EQ(harness.shown.size(), 1U);
    EXPECT_TRUE(harness.shown[0].startsWith("Orvane|"));
    EXPECT_TRUE(harness.shown[0].contains("log_04_12_2026.txt"));
    EXPECT_EQ(harness.endings, 1);

    harness.restart();
    harness.window().unloadWithoutQuestions();
    EXPECT_TRUE(harness.window().unloaded());
    EXPECT_EQ(harness.shown.size(), 1U);
}

} // namespace
} // namespace orvane::test
