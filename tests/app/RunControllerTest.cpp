#include "common/ControllerHarness.h"
#include "common/CopyFixtures.h"
#include "common/TempFolder.h"

#include "engine/FileOperations.h"
#include "platform/ErrorText.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <set>

namespace orvane {
namespace {

using test::ControllerHarness;
using test::readFile;
using test::TempFolder;
using Lines = std::vector<std::string>;

constexpr std::uint32_t kStartTick = 50000;

// Every entry below a folder, so a refused run can be shown to have left the disk alone.
std::set<std::string> treeOf(const std::string& root) {
    std::set<std::string> entries;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        entries.insert(entry.path().string());
    }
    return entries;
}

void expectIdle(const MainWindowElements& window) {
    EXPECT_TRUE(window.cmdStart.enabled());
    EXPECT_TRUE(window.fraSource.enabled());
    EXPECT_TRUE(window.fraDestination.enabled());
    EXPECT_TRUE(window.mnuOpt.enabled());
    EXPECT_TRUE(window.cmdCancel.enabled());
    EXPECT_FALSE(window.fraCopy.visible());
    EXPECT_FALSE(window.cmdPause.enabled());
    EXPECT_FALSE(window.tmrClock.enabled());
    EXPECT_EQ(window.lblInfo[1].caption(), "Copying file:");
}

// A source "data" and a chosen destination "backup", into which a run composes backup/data.
class RunControllerTest : public ::testing::Test {
protected:
    void SetUp() override {
        source = temp.makeFolder("data");
        backup = temp.makeFolder("backup");
    }
    std::string dst(const std::string& relative) const { return backup + "/data/" + relative; }

    TempFolder temp;
    ControllerHarness h;
    std::string source;
    std::string backup;
};

TEST_F(RunControllerTest, SurveyRunLogsEveryStepAndLeavesTheWindowIdle) {
    temp.write("data/sub/b.txt", "xyz");
    h.setFolders(source, backup);
    h.window.lstCopy.add("left over");
    for (auto* label : {&h.window.lblTime[1], &h.window.lblTime[2], &h.window.lblTime[3]}) {
        label->setCaption("old");
    }
    h.window.pbFileCopy.setText("old");
    h.tick = kStartTick;
    Lines startTexts;
    std::vector<bool> running;
    h.onYield = [&](int yield) {
        h.tick = kStartTick + 3400;
        if (yield == 1) {
            const auto& w = h.window;
            startTexts = {w.lblTime[1].caption(), w.lblTime[2].caption(),
                          w.lblTime[3].caption(), w.pbTotalFiles.Text(),
                          w.pbFileCopy.Text(),    w.txtDestination.caption()};
            running = {w.cmdStart.enabled(), w.fraSource.enabled(), w.fraDestination.enabled(),
                       w.mnuOpt.enabled(),   w.fraCopy.visible(),   w.cmdPause.enabled(),
                       w.tmrClock.enabled(), w.lstCopy.empty(),     w.pbTotalFiles.Max() == 1};
        }
    };
    EXPECT_EQ(h.run(), (Lines{ControllerHarness::startLine(), "Dir: " + backup + "/data created",
                              "Dir: " + dst("sub") + " created",
                              "Total files to copy: 1 file(s) in 3 directory(s)",
                              "File b.txt copied in <t> [3 B]", "Total time taken 0:00:03",
                              ControllerHarness::stoppedLine(), ControllerHarness::rule()}));
    EXPECT_EQ(startTexts, (Lines{"Estimated time: 00:00:00", "Data rate: 0 Bps",
                                 "Total size todo: 0 B", "0.000%", "0.0%", backup + "/data"}));
    EXPECT_EQ(running,
              (std::vector<bool>{false, false, false, false, true, true, true, true, true}));
    EXPECT_EQ(readFile(dst("sub/b.txt")), "xyz");
    // The tick Start runs at once sees no time passed; nothing else drives the clock here.
    EXPECT_EQ(h.window.lblTime[0].caption(), "Time elapsed: 0:00:00");
    EXPECT_EQ(h.window.lblTime[3].caption(), "Total size todo: 3 B");
    EXPECT_EQ(h.window.txtDestination.caption(), backup + "/");
    EXPECT_EQ(h.state.RunControl, run_control::none);
    EXPECT_TRUE(h.question.asked.empty());
    EXPECT_EQ(h.controller.lastEnding(), RunEnding::Completed);
    EXPECT_FALSE(h.controller.lastRunStopped());
    expectIdle(h.window);
}

TEST_F(RunControllerTest, SourceErrorsEndTheRunAndOnlyTerminateTheDestinationBox) {
    const std::string file = temp.write("file.txt", "x");
    struct Case {
        std::string source;
        std::string box;
        std::string boxAfter;
    };
    const Case cases[] = {
        {"", backup, backup + "/"},
        {"", backup + "/", backup + "/"},
        {"", "", "/"},
        {temp / "missing", backup, backup + "/"},
        {file, backup, backup + "/"},
    };
    const auto before = treeOf(temp.path());
    for (const Case& c : cases) {
        SCOPED_TRACE("source '" + c.source + "', box '" + c.box + "'");
        ControllerHarness run;
        run.setFolders(c.source, c.box);
        EXPECT_EQ(run.run(),
                  (Lines{ControllerHarness::startLine(), "Source Path error: " + c.source,
                         ControllerHarness::stoppedLine(), ControllerHarness::rule()}));
        EXPECT_EQ(run.window.txtDestination.caption(), c.boxAfter);
        EXPECT_EQ(run.controller.lastEnding(), RunEnding::SourcePathError);
        expectIdle(run.window);
    }
    EXPECT_EQ(treeOf(temp.path()), before);
}

TEST_F(RunControllerTest, DestinationThatCannotBeCreatedIsRefusedAfterTheFailedAttempt) {
    // A folder cannot be made below a regular file, not even by root.
    const std::string plain = temp.write("plain", "x");
    temp.write("data/a.txt", "a");
    h.setFolders(source, plain);
    EXPECT_EQ(h.run(),
              (Lines{ControllerHarness::startLine(), "Failed to create dir: " + plain + "/data",
                     "Destination Path error: " + plain + "/data", ControllerHarness::stoppedLine(),
                     ControllerHarness::rule()}));
    EXPECT_EQ(h.window.txtDestination.caption(), plain + "/");
    EXPECT_EQ(h.controller.lastEnding(), RunEnding::DestinationPathError);
    expectIdle(h.window);
}

// Regression: a destination inside its source made a run copy the tree into itself, and in
// move mode delete every source file as "already there".
TEST_F(RunControllerTest, DestinationThatIsTheSourceOrLiesInsideItIsRefusedWithNothingTouched) {
    const std::string photos = temp.makeFolder("x/Data/Photos");
    temp.write("x/Data/Photos/a.txt", "a");
    std::filesystem::create_directory_symlink(photos, temp / "x/link");
    struct Case {
        std::string source;
        std::string box;
        std::string composed;
        std::string boxAfter;
    };
    const Case cases[] = {
        {photos, temp / "x/Data", photos, temp / "x/Data/"},
        {photos, photos + "/inner", photos + "/inner/Photos", photos + "/inner/"},
        {photos, temp / "x/link", temp / "x/link/Photos", temp / "x/link/"},
        {"/", temp / "out", temp / "out/", temp / "out/"},
    };
    const auto before = treeOf(temp.path());
    for (const Case& c : cases) {
        SCOPED_TRACE("source '" + c.source + "', box '" + c.box + "'");
        ControllerHarness run;
        run.setFolders(c.source, c.box);
        run.window.mnuOptMove.setChecked(true);
        EXPECT_EQ(run.run(),
                  (Lines{ControllerHarness::startLine(), "Destination Path error: " + c.composed,
                         ControllerHarness::stoppedLine(), ControllerHarness::rule()}));
        EXPECT_EQ(run.window.txtDestination.caption(), c.boxAfter);
        EXPECT_EQ(run.controller.lastEnding(), RunEnding::DestinationPathError);
        EXPECT_EQ(run.yields, 0);
        expectIdle(run.window);
    }
    EXPECT_EQ(treeOf(temp.path()), before);
}

TEST_F(RunControllerTest, TwoRunsInARowComposeTheSameDestinationFromTheTerminatedBox) {
    temp.write("data/a.txt", "abc");
    h.setFolders(source, backup);
    Lines composed;
    h.onYield = [&](int yield) {
        if (yield == 1) {
            composed.push_back(h.window.txtDestination.caption());
        }
    };
    const Lines first = h.run();
    EXPECT_EQ(h.window.txtDestination.caption(), backup + "/");
    const Lines second = h.run();
    EXPECT_EQ(h.window.txtDestination.caption(), backup + "/");
    EXPECT_EQ(composed, (Lines{backup + "/data", backup + "/data"}));
    ASSERT_EQ(first.size(), 7U);
    EXPECT_EQ(first[3], "File a.txt copied in <t> [3 B]");
    ASSERT_EQ(second.size(), 6U);
    EXPECT_EQ(second[2], "1. File a.txt skipped, allready there, filesize ok");
}

TEST_F(RunControllerTest, EmptyDestinationBoxCopiesIntoAFolderAtTheRoot) {
    if (::access("/", W_OK) != 0) {
        GTEST_SKIP() << "the filesystem root is not writable here";
    }
    // A scratch folder's own name is unique, so the folder made at the root is ours alone.
    const TempFolder unique;
    const std::string name = LastPathPart(unique.path());
    const std::string atRoot = "/" + name;
    ASSERT_FALSE(test::exists(atRoot));
    struct RemoveAfterwards {
        std::string path;
        ~RemoveAfterwards() {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    } cleanup{atRoot};
    unique.write("a.txt", "abc");
    h.setFolders(unique.path(), "");
    const Lines lines = h.run();
    ASSERT_EQ(lines.size(), 7U);
    EXPECT_EQ(lines[1], "Dir: " + atRoot + " created");
    EXPECT_EQ(readFile(atRoot + "/a.txt"), "abc");
    EXPECT_EQ(h.window.txtDestination.caption(), "/");
}

TEST_F(RunControllerTest, CancelledConfirmationsUncheckTheOptionsForGood) {
    temp.write("data/a.txt", "abc");
    h.setFolders(source, backup);
    h.window.mnuOptMove.setChecked(true);
    h.window.mnuOptDcopy.setChecked(true);
    h.question.answer = false;
    EXPECT_EQ(h.run(), (Lines{ControllerHarness::startLine(), "Dir: " + backup + "/data created",
                              "Total files to copy: 1 file(s) in 1 directory(s)",
                              "File a.txt copied in <t> [3 B]", "Total time taken 0:00:00",
                              ControllerHarness::stoppedLine(), ControllerHarness::rule()}));
    EXPECT_EQ(h.question.asked,
              (Lines{"Move files, is still on\r\nok = move, cancel = copy",
                     "Direct copy, is still on\r\nok = direct, cancel = search"}));
    EXPECT_FALSE(h.window.mnuOptMove.checked());
    EXPECT_FALSE(h.window.mnuOptDcopy.checked());
    EXPECT_EQ(readFile(source + "/a.txt"), "abc");
    // Unchecked options ask nothing the next time.
    h.run();
    EXPECT_EQ(h.question.asked.size(), 2U);

    // OK keeps both: the next run walks directly and moves.
    std::filesystem::remove(dst("a.txt"));
    h.window.mnuOptMove.setChecked(true);
    h.window.mnuOptDcopy.setChecked(true);
    h.question.answer = true;
    EXPECT_EQ(h.run(), (Lines{ControllerHarness::startLine(), "Direct Copying on",
                              "File a.txt copied in <t> [3 B]",
                              "Move is on, deleted the file a.txt", "Total time taken 0:00:00",
                              ControllerHarness::stoppedLine(), ControllerHarness::rule()}));
    EXPECT_EQ(h.question.asked.size(), 4U);
    EXPECT_TRUE(h.window.mnuOptMove.checked());
    EXPECT_TRUE(h.window.mnuOptDcopy.checked());
    EXPECT_FALSE(test::exists(source + "/a.txt"));
}

TEST_F(RunControllerTest, StopDuringTheSurveyLogsPartialTotalsButNoStopLine) {
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) {
        temp.write(std::string("data/") + name, name);
    }
    temp.makeFolder("backup/data");
    h.setFolders(source, backup);
    int dirsAtStop = -1;
    h.onYield = [&](int) {
        if (dirsAtStop < 0 && !h.state.ListCopyActive && h.window.lstCopy.count() == 1) {
            dirsAtStop = h.state.DirCount;
            h.controller.cmdCancel_Click();
        }
    };
    const Lines lines = h.run();
    EXPECT_EQ(lines, (Lines{ControllerHarness::startLine(), "User clicked on [Stop]",
                            "Total files to copy: 1 file(s) in " + std::to_string(dirsAtStop) +
                                " directory(s)",
                            "Total time taken 0:00:00", ControllerHarness::stoppedLine(),
                            ControllerHarness::rule()}));
    EXPECT_TRUE(test::namesIn(backup + "/data").empty());
    // The list run clears the stop on its way out.
    EXPECT_EQ(h.state.RunControl, run_control::none);
    EXPECT_TRUE(h.controller.lastRunStopped());
    expectIdle(h.window);
}

// Stop, the save panel's Cancel, and Pause followed by Stop, each in direct mode, where the
// stop stays pending until the run's end and so is reported there.
TEST_F(RunControllerTest, StopsInDirectModeEndTheWalkAndTheNextRunStartsClean) {
    enum class Script { Stop, SavePanelCancel, PauseThenStop };
    struct Case {
        Script script;
        Lines middle; // between "Direct Copying on" and "Total time taken"
        Lines captions;
    };
    const Case cases[] = {
        {Script::Stop, {"User clicked on [Stop]", "File a.txt Canceled"}, {"&Pause"}},
        {Script::SavePanelCancel, {"File a.txt Canceled"}, {"&Pause"}},
        {Script::PauseThenStop, {"User clicked on [Stop]"}, {"Un&pause", "&Pause"}},
    };
    temp.write("data/a.txt", "abc");
    temp.makeFolder("backup/data");
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.script));
        ControllerHarness run;
        run.setFolders(source, backup);
        run.window.mnuOptDcopy.setChecked(true);
        Lines captions;
        std::vector<bool> stopEnabled;
        int pausedYields = 0;
        run.onYield = [&](int yield) {
            const bool copying = run.window.lblInfo[1].caption().starts_with("Copying file a.txt");
            if (c.script == Script::Stop && copying && captions.empty()) {
                run.controller.cmdCancel_Click();
            } else if (c.script == Script::SavePanelCancel && copying && captions.empty()) {
                run.controller.cmdCancelLoad_Click();
            } else if (c.script == Script::PauseThenStop && yield == 1) {
                run.controller.cmdPause_Click();
            } else if (run.state.RunControl == run_control::pause && ++pausedYields == 2) {
                run.controller.cmdCancel_Click();
            } else {
                return;
            }
            captions.push_back(run.window.cmdPause.caption());
            stopEnabled.push_back(run.window.cmdCancel.enabled());
        };
        Lines expected{ControllerHarness::startLine(), "Direct Copying on"};
        expected.insert(expected.end(), c.middle.begin(), c.middle.end());
        expected.insert(expected.end(),
                        {"Total time taken 0:00:00", "User clicked [STOP]",
                         ControllerHarness::stoppedLine(), ControllerHarness::rule()});
        EXPECT_EQ(run.run(), expected);
        EXPECT_EQ(captions, c.captions);
        // Only the Stop button gives itself up; the panel's Cancel leaves it alone.
        EXPECT_EQ(stopEnabled.back(), c.script == Script::SavePanelCancel);
        EXPECT_TRUE(test::namesIn(backup + "/data").empty());
        EXPECT_EQ(run.state.RunControl, run_control::stop);
        EXPECT_TRUE(run.controller.lastRunStopped());
        expectIdle(run.window);

        std::vector<bool> atNextStart;
        run.onYield = [&](int yield) {
            if (yield == 1) {
                atNextStart = {run.window.cmdCancel.enabled(),
                               run.state.RunControl == run_control::none};
            }
        };
        EXPECT_EQ(run.run()[2], "File a.txt copied in <t> [3 B]");
        EXPECT_EQ(atNextStart, (std::vector<bool>{true, true}));
        EXPECT_FALSE(run.controller.lastRunStopped());
        std::filesystem::remove(dst("a.txt"));
    }
}

TEST_F(RunControllerTest, PauseWaitsUntilUnpauseAndTheRunGoesOn) {
    temp.write("data/a.txt", "abc");
    h.setFolders(source, backup);
    Lines captions;
    int pausedYields = 0;
    h.onYield = [&](int yield) {
        if (yield == 1 || (h.state.RunControl == run_control::pause && ++pausedYields == 3)) {
            h.controller.cmdPause_Click();
            captions.push_back(h.window.cmdPause.caption());
        }
    };
    EXPECT_EQ(h.run(), (Lines{ControllerHarness::startLine(), "Dir: " + backup + "/data created",
                              "Total files to copy: 1 file(s) in 1 directory(s)",
                              "File a.txt copied in <t> [3 B]", "Total time taken 0:00:00",
                              ControllerHarness::stoppedLine(), ControllerHarness::rule()}));
    EXPECT_EQ(captions, (Lines{"Un&pause", "&Pause"}));
    EXPECT_EQ(pausedYields, 3);
    EXPECT_EQ(readFile(dst("a.txt")), "abc");
    EXPECT_FALSE(h.controller.lastRunStopped());
    expectIdle(h.window);
}

TEST_F(RunControllerTest, SourceFolderThatCannotBeReadIsReportedAtTheEnd) {
    temp.write("data/sub/b.txt", "xyz");
    h.setFolders(source, backup);
    // The sub-folder goes away between its destination being made and its listing.
    h.onYield = [&](int) {
        if (h.log.line(h.log.count()) == "Dir: " + dst("sub") + " created") {
            std::filesystem::remove_all(source + "/sub");
        }
    };
    EXPECT_EQ(h.run(),
              (Lines{ControllerHarness::startLine(), "Dir: " + backup + "/data created",
                     "Dir: " + dst("sub") + " created",
                     "Total files to copy: 0 file(s) in 2 directory(s)", "Total time taken 0:00:00",
                     "Err " + std::to_string(ENOENT) + ": Cannot read the folder " + source +
                         "/sub (" + platform::errorText(ENOENT) + ")",
                     ControllerHarness::stoppedLine(), ControllerHarness::rule()}));
    expectIdle(h.window);
}

} // namespace
} // namespace orvane
