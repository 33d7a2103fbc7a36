#include "support/VersionText.h"
#include "windows/Twips.h"
#include "windows/WindowHarness.h"

#include <gtest/gtest.h>

namespace orvane::test {
namespace {

using windows::frmMain;

const std::string kRule(46, '-');

int pixels(const frmMain& window, int twips) {
    return windows::TwipsToPixels(twips, window.logicalDpiX());
}

// The session header is written at once; before a run the copy and save panels lie hidden over
// the folder frames, Pause is off and the clock stopped.
TEST(StartUp, SessionHeaderIsWrittenAndThePanelsWaitHiddenOverTheFolderFrames) {
    WindowHarness harness;
    frmMain& w = harness.window();
    const auto lines = harness.logLines();
    ASSERT_EQ(lines.size(), 2U);
    EXPECT_TRUE(lines[0].starts_with("New session started on ")) << lines[0];
    EXPECT_NE(lines[0].find(" @ "), std::string::npos);
    EXPECT_EQ(lines[1], kRule);
    EXPECT_TRUE(w.fraCopy.isHidden() && w.fraSave.isHidden());
    EXPECT_EQ(w.fraCopy.y(), w.fraSource.y());
    EXPECT_EQ(w.fraSave.pos(), w.fraSource.pos());
    EXPECT_FALSE(w.cmdPause.isEnabledTo(&w.fraCopy));
    EXPECT_FALSE(w.tmrClock.isActive());
}

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
        EXPECT_EQ(window.height(), pixels(window, 3795));
        EXPECT_EQ(window.mnuOptDebug.isVisible(), c.debug);
    }
}

// Fifteen twips a pixel at 96 dots per inch, ten at 144; a part of a pixel goes to the nearest
// whole one: 8 twips are 0.53 of a pixel, 7 are 0.47, 5005 are 333.67.
TEST(StartUp, TwipsAreFifteenPerPixelAtNinetySixDotsPerInchRoundedToTheNearest) {
    const int cases[][3] = {{15, 96, 1}, {6450, 96, 430}, {3795, 96, 253}, {6450, 144, 645},
                            {0, 96, 0},  {8, 96, 1},      {7, 96, 0},      {5005, 96, 334}};
    for (const auto& [twips, dpi, pixels] : cases) {
        EXPECT_EQ(windows::TwipsToPixels(twips, dpi), pixels) << twips << " twips at " << dpi;
    }
    EXPECT_EQ(windows::PixelsToTwips(430, 96), 6450);
}

TEST(Options, WidensToTenThousandAndNarrowsBackAndTheFirstClickInDebugModeNarrows) {
    WindowHarness harness;
    frmMain& w = harness.window();
    QTest::mouseClick(&w.cmdOptions, Qt::LeftButton);
    EXPECT_EQ(w.width(), pixels(w, 10000));
    EXPECT_EQ(w.cmdOptions.text(), "&Options <<");
    EXPECT_FALSE(w.lstCopy.isHidden());
    QTest::mouseClick(&w.cmdOptions, Qt::LeftButton);
    EXPECT_EQ(w.width(), pixels(w, 6450));
    EXPECT_EQ(w.cmdOptions.text(), "&Options >>");

    harness.restart("-debug");
    frmMain& debug = harness.window();
    QTest::mouseClick(&debug.cmdOptions, Qt::LeftButton);
    EXPECT_EQ(debug.width(), pixels(debug, 6450));
}

TEST(HelpMenu, UpdateOpensTheProjectsPageWithTheShortVersionAndThanksIsAnInformationBox) {
    WindowHarness harness;
    harness.window().mnuHelpUpdate.trigger();
    ASSERT_EQ(harness.opened.size(), 1U);
    EXPECT_EQ(harness.opened[0].toStdString(),
              "https://orvane.example.org/prg_update.php?p=9&v=" + VersionText(true));

    harness.window().mnuHelpThanks.trigger();
    ASSERT_EQ(harness.shown.size(), 1U);
    const QString shown = harness.shown[0];
    EXPECT_TRUE(shown.startsWith("Special Thanks|"));
    EXPECT_EQ(shown.count('\n'), 2) << shown.toStdString();
    EXPECT_FALSE(shown.contains('\r'));
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
