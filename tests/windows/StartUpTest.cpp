#include "support/VersionText.h"
#include "windows/Twips.h"
#include "windows/WindowHarness.h"

#include <gtest/gtest.h>

namespace orvane::test {

bool contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

bool anyStartsWith(const std::vector<std::string>& lines, const std::string& prefix) {
    return std::any_of(lines.begin(), lines.end(),
                       [&prefix](const std::string& line) { return line.rfind(prefix, 0) == 0; });
}

namespace {

using windows::frmMain;

const std::string kRule(46, '-');

int pixels(const frmMain& window, int twips) {
    return windows::TwipsToPixels(twips, window.logicalDpiX());
}

TEST(StartUp, FirstStartCountsOneAndStoresTwoThenCountsOn) {
    WindowHarness harness;
    EXPECT_EQ(harness.window().UsageCount, 1);
    EXPECT_EQ(harness.iniFile(), "[Main]\r\nUSE=2\r\n");

    harness.window().Form_Unload();
    harness.restart();
    EXPECT_EQ(harness.window().UsageCount, 2);
    EXPECT_EQ(harness.iniFile(), "[Main]\r\nUSE=3\r\n");
}

TEST(StartUp, SessionHeaderIsTheFirstTwoLinesAndReportIsNotLive) {
    WindowHarness harness;
    const auto lines = harness.logLines();
    ASSERT_EQ(lines.size(), 2U);
    EXPECT_EQ(lines[0].rfind("New session started on ", 0), 0U);
    EXPECT_NE(lines[0].find(" @ "), std::string::npos);
    EXPECT_EQ(lines[1], kRule);
    EXPECT_FALSE(harness.window().sessionLog().ReportLive);
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
        EXPECT_EQ(window.Width(), c.debug ? 13050 : 6450);
        EXPECT_EQ(window.width(), pixels(window, c.debug ? 13050 : 6450));
        EXPECT_EQ(window.height(), pixels(window, 3795));
        EXPECT_EQ(window.mnuOptDebug.isVisible(), c.debug);
    }
}

TEST(StartUp, TwipsAreFifteenPerPixelAtNinetySixDotsPerInch) {
    EXPECT_EQ(windows::TwipsToPixels(15, 96), 1);
    EXPECT_EQ(windows::TwipsToPixels(6450, 96), 430);
    EXPECT_EQ(windows::TwipsToPixels(3795, 96), 253);
    EXPECT_EQ(windows::TwipsToPixels(6450, 144), 645);
    EXPECT_EQ(windows::TwipsToPixels(0, 96), 0);
    EXPECT_EQ(windows::PixelsToTwips(430, 96), 6450);
}

TEST(StartUp, ControlsCarryTheirCaptionsAndThePanelsStartHiddenOverTheFolderFrames) {
    WindowHarness harness;
    frmMain& w = harness.window();
    EXPECT_EQ(w.fraSource.title(), "Source Folder");
    EXPECT_EQ(w.fraDestination.title(), "Destination Folder");
    EXPECT_EQ(w.cmdBrowseSou.text(), "&Browse...");
    EXPECT_EQ(w.cmdBrowseDes.text(), "Br&owse...");
    EXPECT_EQ(w.cmdStart.text(), "&Start Copy");
    EXPECT_EQ(w.cmdOptions.text(), "&Options >>");
    EXPECT_EQ(w.fraCopy.title(), "Copy status");
    EXPECT_EQ(w.lblInfo[0].text(), "Files: 888/888");
    EXPECT_EQ(w.lblInfo[1].text(), "Copying file:");
    EXPECT_EQ(w.lblTime[0].text(), "Time elapsed: 00:00:00");
    EXPECT_EQ(w.lblTime[1].text(), "Estimated time: 00:00:00");
    EXPECT_EQ(w.lblTime[2].text(), "Data rate: 0 kBps");
    EXPECT_EQ(w.lblTime[3].text(), "Total size todo: 0 B");
    EXPECT_EQ(w.cmdPause.text(), "&Pause");
    EXPECT_FALSE(w.cmdPause.isEnabledTo(&w.fraCopy));
    EXPECT_EQ(w.cmdCancel.text(), "&Stop");
    EXPECT_EQ(w.lblSave.text(), "Saving log entry's to log file");
    EXPECT_EQ(w.cmdCancelLoad.text(), "Cancel");
    EXPECT_EQ(w.fraSave.title(), "");
    EXPECT_TRUE(w.fraCopy.isHidden());
    EXPECT_TRUE(w.fraSave.isHidden());
    EXPECT_EQ(w.fraCopy.y(), w.fraSource.y());
    EXPECT_EQ(w.fraSave.pos(), w.fraSource.pos());
    EXPECT_EQ(w.fraCopy.size(), QSize(pixels(w, 6135), pixels(w, 2775)));
    EXPECT_EQ(w.lstCopy.geometry(), windows::TwipsRect(6360, 120, 6495, 2400, w.logicalDpiX()));
    EXPECT_EQ(w.tmrClock.interval(), 999);
    EXPECT_FALSE(w.tmrClock.isActive());
}

TEST(StartUp, MenusHoldTheirEntriesInOrderWithShortcutsAndUncheckedOptions) {
    WindowHarness harness;
    frmMain& w = harness.window();
    const QList<QAction*> bar = w.menus.actions();
    ASSERT_EQ(bar.size(), 3);
    EXPECT_EQ(bar[0]->text(), "&Menu");
    EXPECT_EQ(bar[1]->text(), "&Options");
    EXPECT_EQ(bar[2]->text(), "Help");
    EXPECT_EQ(w.mnuMenu.actions(),
              (QList<QAction*>{&w.mnuMenuReport, &w.mnuMenuS0, &w.mnuMenuQuit}));
    EXPECT_TRUE(w.mnuMenuS0.isSeparator());
    EXPECT_EQ(w.mnuOpt.actions(), (QList<QAction*>{&w.mnuOptMove, &w.mnuOptDcopy, &w.mnuOptDebug}));
    EXPECT_EQ(w.mnuHelp.actions(), (QList<QAction*>{&w.mnuHelpHistory, &w.mnuHelpUpdate,
                                                    &w.mnuHelpThanks, &w.mnuHelpAbout}));
    EXPECT_EQ(w.mnuMenuReport.text(), "&Report");
    EXPECT_EQ(w.mnuMenuReport.shortcut(), QKeySequence(QStringLiteral("Ctrl+R")));
    EXPECT_EQ(w.mnuMenuQuit.text(), "Quit");
    EXPECT_EQ(w.mnuOptMove.text(), "Move Files");
    EXPECT_EQ(w.mnuOptDcopy.text(), "Direct Copy");
    EXPECT_EQ(w.mnuOptDebug.text(), "debug");
    EXPECT_EQ(w.mnuHelpHistory.text(), "History");
    EXPECT_EQ(w.mnuHelpUpdate.text(), "Update @ Site");
    EXPECT_EQ(w.mnuHelpThanks.text(), "Special Thanks");
    EXPECT_EQ(w.mnuHelpAbout.text(), "&About");
    EXPECT_EQ(w.mnuHelpAbout.shortcut(), QKeySequence(QStringLiteral("Ctrl+A")));
    EXPECT_TRUE(w.mnuOptMove.isCheckable() && !w.mnuOptMove.isChecked());
    EXPECT_TRUE(w.mnuOptDcopy.isCheckable() && !w.mnuOptDcopy.isChecked());

    // A menu click toggles the option's check mark, which is all the run reads.
    w.mnuOptMove.trigger();
    EXPECT_TRUE(harness.elements().mnuOptMove.checked());
    EXPECT_TRUE(w.mnuOptMove.isChecked());
    w.mnuOptMove.trigger();
    EXPECT_FALSE(harness.elements().mnuOptMove.checked());
    EXPECT_FALSE(w.mnuOptMove.isChecked());
}

TEST(Options, WidensToTenThousandAndNarrowsBackAndTheFirstClickInDebugModeNarrows) {
    WindowHarness harness;
    frmMain& w = harness.window();
    EXPECT_TRUE(w.lstCopy.isHidden());
    QTest::mouseClick(&w.cmdOptions, Qt::LeftButton);
    EXPECT_EQ(w.Width(), 10000);
    EXPECT_EQ(w.width(), pixels(w, 10000));
    EXPECT_EQ(w.cmdOptions.text(), "&Options <<");
    EXPECT_FALSE(w.lstCopy.isHidden());
    QTest::mouseClick(&w.cmdOptions, Qt::LeftButton);
    EXPECT_EQ(w.Width(), 6450);
    EXPECT_EQ(w.cmdOptions.text(), "&Options >>");
    EXPECT_TRUE(w.lstCopy.isHidden());

    harness.restart("-debug");
    frmMain& debug = harness.window();
    QTest::mouseClick(&debug.cmdOptions, Qt::LeftButton);
    EXPECT_EQ(debug.Width(), 6450);
    EXPECT_EQ(debug.cmdOptions.text(), "&Options >>");
    QTest::mouseClick(&debug.cmdOptions, Qt::LeftButton);
    EXPECT_EQ(debug.Width(), 10000);
}

TEST(HelpMenu, UpdateOpensTheProjectsPageWithTheShortVersionAndThanksIsAnInformationBox) {
    WindowHarness harness;
    harness.window().mnuHelpUpdate.trigger();
    ASSERT_EQ(harness.webPages.size(), 1U);
    EXPECT_EQ(harness.webPages[0].toStdString(),
              "https://orvane.example.org/prg_update.php?p=9&v=" + VersionText(true));

    harness.window().mnuHelpThanks.trigger();
    ASSERT_EQ(harness.informations.size(), 1U);
    const QString shown = harness.informations[0];
    EXPECT_TRUE(shown.startsWith("Special Thanks|"));
    EXPECT_EQ(shown.count('\n'), 2) << shown.toStdString();
    EXPECT_FALSE(shown.contains('\r'));
}

} // namespace
} // namespace orvane::test

namespace orvane::test {
namespace {

TEST(Unload, ALogFileThatCannotBeWrittenIsNamedInAMessageBoxUnlessASignalEndsTheProgram) {
    WindowHarness harness;
    // A folder where the day's log file should be: the file cannot be opened.
    harness.folder().makeFolder("bin/logs/log_04_12_2026.txt");
    harness.window().Form_Unload();
    ASSERT_EQ(harness.informations.size(), 1U);
    EXPECT_TRUE(harness.informations[0].startsWith("Orvane|"))
        << harness.informations[0].toStdString();
    EXPECT_TRUE(harness.informations[0].contains("log_04_12_2026.txt"));
    EXPECT_EQ(harness.endings, 1);

    harness.restart();
    harness.window().unloadWithoutQuestions();
    EXPECT_TRUE(harness.window().unloaded());
    EXPECT_EQ(harness.informations.size(), 1U);
}

} // namespace
} // namespace orvane::test
