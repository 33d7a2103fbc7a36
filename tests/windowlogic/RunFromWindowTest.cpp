#include "common/CopyFixtures.h"
#include "common/System.h"
#include "windowlogic/ScriptedWindow.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace orvane::test {
namespace {

namespace fs = std::filesystem;
using windowlogic::MenuCommand;

// A run from the window: each option still checked is asked in the window's box: OK keeps
// it, Cancel unchecks it and the run goes on without it. During the run the window handles
// events, with the copy-status panel over the folders; paused, the run sleeps in the event
// loop until an event comes instead of spinning, and goes on once unpaused. Afterwards the
// window is idle again.
TEST(RunFromWindow, CheckedOptionsAreAskedInTheWindowsBoxAndTheRunHandsItEvents) {
    LogicHarness harness;
    MainWindowElements& e = harness.elements();
    const TempFolder& dir = harness.folder();
    dir.write("data/Photos/a.txt", "alpha");
    dir.write("data/Photos/sub/b.txt", "bravo!");
    dir.makeFolder("backup");
    harness.main().menuCommand(MenuCommand::mnuOptMove);
    harness.main().menuCommand(MenuCommand::mnuOptDcopy);
    harness.window.answers = {true, false};
    bool seenRunning = false;
    const auto pause = [&] { harness.main().cmdPause_Click(); };
    harness.window.whenEventsCome([&] { return e.lstCopy.count() == 2; },
                                  [&] {
                                      seenRunning = e.fraCopy.visible() && !e.cmdStart.enabled() &&
                                                    !e.mnuOpt.enabled() && e.cmdPause.enabled();
                                      pause();
                                      harness.window.whenEventsCome([] { return true; }, pause);
                                  });
    harness.runCopy(dir / "data/Photos", dir / "backup");

    EXPECT_EQ(
        harness.window.questions,
        (std::vector<std::string>{"Move files, is still on\r\nok = move, cancel = copy",
                                  "Direct copy, is still on\r\nok = direct, cancel = search"}));
    EXPECT_EQ(std::pair(e.mnuOptMove.checked(), e.mnuOptDcopy.checked()), std::pair(true, false));
    EXPECT_TRUE(seenRunning) << "the survey's list, seen at an event handling";
    EXPECT_EQ(harness.window.waits, 1);
    EXPECT_FALSE(fs::exists(dir / "data/Photos/a.txt")) << "moved";
    EXPECT_TRUE(e.cmdStart.enabled() && e.mnuOpt.enabled() && !e.fraCopy.visible() &&
                !e.tmrClock.enabled());
}

// Quit in the middle of the file, and in the report of its last chunk: the log so far is
// saved, without the run's closing lines, and nothing is placed once the log is saved, since
// no line for it can reach the saved log.
TEST(RunFromWindow, QuitInTheMiddleSavesTheLinesSoFarAndNoneOfTheClosingLines) {
    for (const bool lastChunk : {false, true}) {
        SCOPED_TRACE(lastChunk ? "in the last chunk's report" : "in the middle of the file");
        LogicHarness harness;
        writeAll(harness.folder().makeFolder("data/Big") + "/big.bin", patterned(24 << 20));
        harness.folder().makeFolder("backup");
        const auto midFile = [&harness] {
            const int percent = harness.elements().pbFileCopy.Value();
            return percent > 0 && percent < 100;
        };
        harness.window.whenEventsCome(
            [&harness, lastChunk, midFile] {
                return lastChunk ? harness.elements().pbFileCopy.Value() == 100 : midFile();
            },
            [&] { harness.main().menuCommand(MenuCommand::mnuMenuQuit); });

        harness.runCopy(harness.folder() / "data/Big", harness.folder() / "backup");

        EXPECT_TRUE(harness.main().unloaded());
        EXPECT_EQ(harness.window.endings, 1);
        const std::string saved = harness.logFile();
        EXPECT_TRUE(holds(saved, "\r\nTotal files to copy: 1 file(s) in 1 directory(s)\r\n"));
        EXPECT_EQ(saved.find("Total time taken"), std::string::npos);
        EXPECT_EQ(saved.find("Stopped copying on"), std::string::npos);
        // The file being copied was abandoned, not placed unlogged: at most a hidden partial
        // stands there, for a later run to continue.
        for (const auto& entry : fs::directory_iterator(harness.folder() / "backup/Big")) {
            EXPECT_EQ(entry.path().filename().string().front(), '.') << entry.path();
        }
    }
}

} // namespace
} // namespace orvane::test
