#include "common/System.h"
#include "platform/PathRules.h"
#include "support/VersionText.h"
#include "windowlogic/FolderPicker.h"
#include "windowlogic/ProgramArguments.h"
#include "windowlogic/ScriptedWindow.h"

#include <gtest/gtest.h>

namespace orvane::test {
namespace {

using windowlogic::MainControl;
using windowlogic::TwipsSize;

// On Windows the argument text is cut from the whole command line: after the program's
// name, which stands in quotes when it holds a blank, and the blanks that follow it.
TEST(MainWindow, TheArgumentTextFollowsTheProgramsNameOnTheCommandLine) {
    const std::pair<const char*, const char*> cases[] = {
        {R"("C:\Program Files\Orvane\orvane.exe" -DEBUG)", "-DEBUG"},
        {R"("C:\Orvane\orvane.exe"-debug)", "-debug"},
        {"orvane.exe \t -debug extra", "-debug extra"},
        {R"("C:\Program Files\orvane.exe")", ""},
        {"orvane.exe", ""}};
    for (const auto& [commandLine, argumentText] : cases) {
        EXPECT_EQ(windowlogic::ArgumentTextOf(commandLine), argumentText) << commandLine;
    }
}

// The window is 3795 twips high, 6450 wide in normal use and 13050 in debug mode; a click on
// Options widens a narrow window to 10000 twips (its copy list comes into view) and narrows
// any other to 6450, so in debug mode the first click narrows it.
TEST(MainWindow, OnlyTheExactArgumentDebugInAnyCaseWidensTheWindowAndShowsItsEntry) {
    const std::pair<const char*, bool> cases[] = {
        {"-DEBUG", true},        {"-debug", true}, {"-DeBuG", true},  {"", false},
        {"-debug extra", false}, {"debug", false}, {" -debug", false}};
    for (const auto& [arguments, debug] : cases) {
        SCOPED_TRACE(arguments);
        LogicHarness harness(arguments);
        windowlogic::frmMain& w = harness.main();
        ScriptedWindow& shown = harness.window;
        EXPECT_EQ(w.debugMode(), debug);
        EXPECT_EQ(shown.caption, TitleText() + (debug ? " DEBUG" : ""));
        EXPECT_EQ(w.ownControls().mnuOptDebug.visible(), debug);
        // The load moves both panels over the folder frames: the copy-status panel to the
        // source frame's top, the save panel to its left and top.
        EXPECT_EQ(shown.moves.at(MainControl::fraCopy), std::pair(120, 60));
        EXPECT_EQ(shown.moves.at(MainControl::fraSave), std::pair(120, 60));
        const auto expectWidth = [&](int width, const char* caption) {
            EXPECT_EQ(std::pair(shown.outer.width, shown.outer.height), std::pair(width, 3795));
            EXPECT_EQ(shown.copyListShown, width != 6450);
            EXPECT_EQ(w.ownControls().cmdOptions.caption(), caption);
        };
        expectWidth(debug ? 13050 : 6450, "&Options >>");
        w.cmdOptions_Click();
        expectWidth(debug ? 6450 : 10000, debug ? "&Options >>" : "&Options <<");
        w.cmdOptions_Click();
        expectWidth(debug ? 10000 : 6450, debug ? "&Options <<" : "&Options >>");
    }
}

// The unload closes the report window first, so the echo ends before the log is saved.
TEST(MainWindow, ALogFileThatCannotBeWrittenIsNamedInABoxUnlessASignalEndsTheProgram) {
    LogicHarness harness;
    harness.main().menuCommand(windowlogic::MenuCommand::mnuMenuReport);
    // A folder where the day's log file should be: the file cannot be opened.
    harness.folder().makeFolder("bin/logs/log_04_12_2026.txt");
    harness.main().mnuMenuQuit_Click();
    EXPECT_FALSE(harness.window.report->shown || harness.main().sessionLog().ReportLive);
    ASSERT_EQ(harness.window.informed.size(), 1U);
    EXPECT_EQ(harness.window.informed[0].rfind("Orvane|", 0), 0U);
    EXPECT_TRUE(holds(harness.window.informed[0], "log_04_12_2026.txt"));
    EXPECT_EQ(harness.window.endings, 1);
    harness.main().Form_Unload();
    EXPECT_EQ(harness.window.endings, 1) << "a second unload";

    LogicHarness quiet;
    quiet.folder().makeFolder("bin/logs/log_04_12_2026.txt");
    quiet.main().unloadWithoutQuestions();
    EXPECT_TRUE(quiet.main().unloaded() && quiet.window.informed.empty());
    EXPECT_EQ(quiet.window.endings, 1);
}

// The Browse buttons open the folder dialog titled for their box, at the computer's drives
// (17) within the desktop (0); a chosen folder goes into the box without a separator at its
// end, a root keeps its own, a cancelled dialog leaves the box as it was.
TEST(MainWindow, BrowseOpensTheDialogAtTheDrivesAndHelpOpensThePagesAndBoxes) {
    LogicHarness harness;
    windowlogic::frmMain& w = harness.main();
    const std::string root = platform::nativePathRules.separator() == '/' ? "/" : "C:\\";
    const std::string data = root + "data";
    harness.window.chosenFolder = root;
    w.cmdBrowseSou_Click();
    EXPECT_EQ(harness.elements().txtSource.caption(), root);
    harness.window.chosenFolder = data + root.back() + root.back();
    w.cmdBrowseSou_Click();
    harness.window.chosenFolder = "";
    harness.elements().txtDestination.setCaption("/typed");
    w.cmdBrowseDes_Click();
    EXPECT_EQ(harness.window.folderDialogs,
              (std::vector<std::string>{"Source Folder|17|0", "Source Folder|17|0",
                                        "Destination Folder|17|0"}));
    EXPECT_EQ(harness.elements().txtSource.caption(), data);
    EXPECT_EQ(harness.elements().txtDestination.caption(), "/typed");
    // An empty title becomes the default, written back; without a starting folder the
    // dialog starts at its root.
    std::string title;
    windowlogic::BrowseForFolder(harness.window, title, std::nullopt);
    EXPECT_EQ(harness.window.folderDialogs.back(), "Browse for a folder|0|0");
    EXPECT_EQ(title, "Browse for a folder");

    // Update opens the project's page with the short version; Special Thanks is an
    // information box of three lines.
    w.menuCommand(windowlogic::MenuCommand::mnuHelpUpdate);
    w.menuCommand(windowlogic::MenuCommand::mnuHelpThanks);
    EXPECT_EQ(harness.window.opened,
              std::vector<std::string>{"https://orvane.example.org/prg_update.php?p=9&v=" +
                                       VersionText(true)});
    ASSERT_EQ(harness.window.informed.size(), 1U);
    const std::string& thanks = harness.window.informed[0];
    EXPECT_EQ(thanks.rfind("Special Thanks|", 0), 0U);
    EXPECT_EQ(std::count(thanks.begin(), thanks.end(), '\n'), 2) << "three lines";
}

} // namespace
} // namespace orvane::test
