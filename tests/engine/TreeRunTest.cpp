#include "common/EngineHarness.h"

namespace orvane::test {
namespace {

// Files at two levels, one of them empty, and an empty folder.
class TreeRunTest : public EngineTest {
protected:
    void SetUp() override {
        plant({"data/a.txt = 12345", "data/sub/b.txt = xyz", "data/sub/e = ", "data/none/"});
    }
};

TEST_F(TreeRunTest, FreshSurveyRunCopiesTheTreeWithItsLinesListCountsAndTotals) {
    Lines counts;
    harness.window.lblInfo[0].changed.bind(
        [&] { counts.push_back(harness.window.lblInfo[0].caption()); });
    harness.runSurveyMode();
    EXPECT_EQ(inAnyOrder(harness.lines()),
              inAnyOrder({"Dir: " + dst("none") + " created", "Dir: " + dst("sub") + " created",
                          "File a.txt copied in <t> [5 B]", "File b.txt copied in <t> [3 B]",
                          "File e copied in <t> [0 B]",
                          // "." of each folder, "sub" and "none" in data
                          "Total files to copy: 3 file(s) in 5 directory(s)"}));
    EXPECT_TRUE(sameTree(source, destination));
    // The survey counts on from Start's 1; the list run shows files done of files found.
    EXPECT_EQ(counts, (Lines{"Files: 0/2", "Files: 0/3", "Files: 0/4", "Files: 0/3", "Files: 1/3",
                             "Files: 2/3"}));
    EXPECT_EQ(harness.window.pbTotalFiles.Text(), "66.667%");
    EXPECT_EQ(harness.window.pbTotalFiles.Value(), 3);
    // The survey's total is shown in bytes as it counted them; the list run counts raw amounts.
    EXPECT_EQ(harness.window.lblTime[3].caption(), "Total size todo: 8 B");
    EXPECT_EQ(harness.totals(), std::tuple(8, 0, 8));
    EXPECT_FALSE(harness.state.ListCopyActive);
}

TEST_F(TreeRunTest, WalkNumbersPerFolderAndAMoveRunOfTheListNumbersOnAndSkipsAll) {
    plant({"backup/data/a.txt = longer than the source", "backup/data/sub/b.txt = xyz"});
    harness.runDirectMode();
    Lines walked = harness.lines();
    std::sort(walked.begin(), walked.end());
    EXPECT_EQ(walked, (Lines{"1. File a.txt allready there, filesize wrong, deleted and recopied",
                             "1. File b.txt skipped, allready there, filesize ok",
                             "Dir: " + dst("none") + " created", "Direct Copying on",
                             "File a.txt copied in <t> [5 B]", "File e copied in <t> [0 B]"}));
    // The walk never takes back Start's 1, and its to-do total starts at 0 and only falls.
    EXPECT_EQ(harness.window.lblInfo[0].caption(), "Files: 4");
    EXPECT_EQ(harness.totals(), std::tuple(0, -5, 5));

    EngineHarness moved(source, destination, true);
    moved.window.pbFileCopy.setValue(7);
    moved.runSurveyMode();
    EXPECT_EQ(moved.lines().at(5).substr(0, 3), "3. "); // each skip line, then its deletion
    EXPECT_EQ(inAnyOrder(moved.lines()),
              (Lines{"#. File a.txt skipped, allready there, filesize ok",
                     "#. File b.txt skipped, allready there, filesize ok",
                     "#. File e skipped, allready there, filesize ok",
                     "Move is on, deleted the file a.txt", "Move is on, deleted the file b.txt",
                     "Move is on, deleted the file e",
                     "Total files to copy: 3 file(s) in 5 directory(s)"}));
    EXPECT_EQ(moved.window.pbFileCopy.Value(), moved.window.pbFileCopy.Max());
    EXPECT_EQ(moved.totals(), std::tuple(8, 0, 8));
    // A source folder with sub-folders stays, emptied; one without goes.
    EXPECT_EQ(listing(source), (Lines{"none/", "sub/"}));
    plant({"flat/only.txt = "});
    EngineHarness flat(temp / "flat", temp.makeFolder("backup/flat"), true);
    flat.runSurveyMode();
    EXPECT_EQ(flat.lines().at(2), "Move is on, deleted the file only.txt");
    EXPECT_FALSE(exists(temp / "flat"));
    EXPECT_EQ(flat.window.pbFileCopy.Text(), "100.0%"); // an empty file is done at once
    // A move that had no file to work through removes nothing.
    EngineHarness empty(temp.makeFolder("empty"), temp.makeFolder("backup/empty"), true);
    empty.runSurveyMode();
    EXPECT_TRUE(exists(temp / "empty"));
}

// Stop and pause clicks played at exact yield points of a run.
using RunSteeringTest = EngineTest;

TEST_F(RunSteeringTest, StopEndsTheSurveyAtOnceEvenWhenPausedAndTheWalkAfterWaitingOutAPause) {
    plant({"data/sub/b.txt = b", "data/sub/c.txt = c"});
    // Yield 1 makes sub's destination, 2 and 3 list the files, 4 follows the survey's totals
    // (the one yield left after a stop in the survey), 7 follows the first copy.
    const int clicks[][4] = {
        {0, 1, 0, 2}, {1, 4, 0, 5}, {0, 7, 1, 7}}; // pause, stop, copied, yields
    for (const auto& [pauseAt, stopAt, copied, yields] : clicks) {
        EngineHarness run(source, destination);
        run.onYield = [&run, pauseAt = pauseAt, stopAt = stopAt](int yield) {
            if (yield == pauseAt || yield == stopAt) {
                run.state.RunControl = yield == stopAt ? run_control::stop : run_control::pause;
            }
        };
        run.runSurveyMode();
        EXPECT_EQ(run.yields, yields);
        EXPECT_EQ(run.state.outcome.filesCopied, copied);
        EXPECT_EQ(run.window.lstCopy.count(), static_cast<std::size_t>(copied)); // the rest
        EXPECT_EQ(run.state.RunControl, run_control::none);
    }

    EngineHarness walk(source, temp.makeFolder("walk"), true);
    std::string stopped;
    walk.onYield = [&](int yield) {
        // Yield 1 makes sub's destination; the one chunk report of a small file is its last.
        if (yield == 1 || yield == 3) {
            walk.state.RunControl = yield == 1 ? run_control::pause : run_control::none;
        } else if (stopped.empty() && walk.midFile()) {
            stopped = walk.window.lblInfo[1].caption().substr(13, 5);
            walk.state.RunControl = run_control::stop;
        }
    };
    walk.runDirectMode();
    // The copy completes, but the user asked for the stop: the file is cancelled and kept.
    EXPECT_EQ(walk.lines(), (Lines{"Direct Copying on", "Dir: " + temp / "walk/sub created",
                                   "File " + stopped + " Canceled"}));
    EXPECT_EQ(namesIn(temp / "walk/sub"), std::set<std::string>{stopped});
    EXPECT_EQ(namesIn(src("sub")), (std::set<std::string>{"b.txt", "c.txt"}));
    // Unlike the list run, the walk leaves the stop standing for the controller to report.
    EXPECT_EQ(walk.state.RunControl, run_control::stop);
}

// Only a move that worked through its whole list removes the source folder it emptied: one
// stopped with a file still listed keeps it, even when that file went away meanwhile.
TEST_F(RunSteeringTest, StoppedMoveKeepsTheSourceFolderItEmptied) {
    plant({"data/a.txt = a", "data/b.txt = b"});
    harness.window.mnuOptMove.setChecked(true);
    harness.log.setLineListener([&](std::string_view line) {
        if (line.starts_with("Move is on, deleted the file ")) {
            harness.state.RunControl = run_control::stop;
            std::filesystem::remove(src(line.ends_with("a.txt") ? "b.txt" : "a.txt"));
        }
    });
    harness.runSurveyMode();
    EXPECT_EQ(harness.state.outcome.sourcesDeleted, 1);
    EXPECT_TRUE(std::filesystem::is_directory(source));
}

} // namespace
} // namespace orvane::test
