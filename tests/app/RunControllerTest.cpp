#include "app/RunController.h"
#include "app/DestinationPath.h"
#include "app/RunReport.h"
#include "common/EngineHarness.h"
#include "common/PosixFixtures.h"

#include "platform/ErrorText.h"
#include "platform/SourceFolder.h"

namespace orvane {

using test::Lines;

constexpr platform::LocalTime kStart{2024, 3, 9, 14, 5, 7}, kEnd{2024, 3, 9, 15, 16, 28};

// A headless run controller: local time alternates kStart/kEnd, option questions get `answer`.
struct ControllerHarness : test::RunHarness, OptionQuestion {
    using RunHarness::RunHarness;
    bool answer = true;
    Lines asked;
    std::uint32_t tick = 50000;
    int nowCalls = 0;
    ControllerClocks clocks{[this] { return tick; },
                            [this] { return nowCalls++ % 2 == 0 ? kStart : kEnd; }};
    RunController controller{state, window, log, yieldHook(), *this, clocks, "."};

    bool confirm(const std::string& text) override {
        asked.push_back(text);
        return answer;
    }
    std::vector<bool> idleFlags() const {
        const auto& w = window;
        return {
            w.cmdStart.enabled(), w.fraSource.enabled(), w.fraDestination.enabled(),
            w.mnuOpt.enabled(),   w.cmdCancel.enabled(), w.lblInfo[1].caption() == "Copying file:",
            !w.fraCopy.visible(), !w.cmdPause.enabled(), !w.tmrClock.enabled()};
    }
    bool idle() const { return idleFlags() == std::vector<bool>(9, true); }
    // Presses Start; returns the lines this run added.
    Lines run() {
        const std::size_t before = log.count();
        yields = 0;
        controller.cmdStart_Click();
        return lines(before + 1);
    }
};

// The lines of a run that logged `middle` between its opening and its closing lines.
static Lines framed(Lines middle) {
    const auto stamp = [](auto t) { return shortDate(t) + " " + shortTime(t); };
    middle.insert(middle.begin(), "Start copying on " + stamp(kStart));
    middle.insert(middle.end(), {"Stopped copying on " + stamp(kEnd), std::string(46, '-')});
    return middle;
}

class RunControllerTest : public ::testing::Test {
protected:
    test::TempFolder temp;
    std::string source = temp.makeFolder("data"), backup = temp.makeFolder("backup");
};

// A path below a folder, joined with the system's separator.
constexpr auto at = &test::Scene::below;

// The paths of this process's open descriptors that lie below a folder.
static Lines descriptorsUnder(const std::string& folder) {
    Lines open;
    std::error_code noList; // none where there is no /proc
    for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd", noList)) {
        std::error_code error;
        const std::string target = std::filesystem::read_symlink(fd.path(), error).string();
        if (!error && target.rfind(folder + "/", 0) == 0) {
            open.push_back(target);
        }
    }
    return open;
}

// A run keeps its destination folders open while it copies into them; once it has ended,
// none stays open, or the drive they are on could not be unmounted while the window is open.
TEST_F(RunControllerTest, RunsLogEveryStepAskForCheckedOptionsAndRepeatIntoTheSameFolder) {
    temp.write("data/sub/b.txt", "xyz");
    ControllerHarness h(source, backup);
    h.window.lstCopy.add("left over");
    h.window.mnuOptMove.setChecked(true);
    h.window.mnuOptDcopy.setChecked(true);
    h.answer = false;
    Lines captions;
    std::size_t openDuringRun = 0;
    h.onYield = [&](int yield) {
        const auto& w = h.window;
        h.tick = 53400;
        openDuringRun = std::max(openDuringRun, descriptorsUnder(backup).size());
        if (yield == 1) {
            EXPECT_EQ(h.idleFlags(), (std::vector<bool>{0, 0, 0, 0, 1, 1, 0, 0, 0}));
            EXPECT_TRUE(w.lstCopy.empty() && w.pbTotalFiles.Max() == 1);
            EXPECT_EQ(
                (Lines{w.lblTime[1].caption(), w.lblTime[2].caption(), w.lblTime[3].caption(),
                       w.pbTotalFiles.Text(), w.pbFileCopy.Text(), w.txtDestination.caption()}),
                (Lines{"Estimated time: 00:00:00", "Data rate: 0 Bps", "Total size todo: 0 B",
                       "0.000%", "0.0%", at(backup, "data")}));
        }
        if (yield == 1 || (yield == 2 && h.state.RunControl == run_control::pause)) {
            h.controller.cmdPause_Click();
            captions.push_back(w.cmdPause.caption());
        }
        if (test::exists(at(backup, "data/gone"))) { // between being met and being listed
            std::filesystem::remove(at(source, "gone"));
        }
    };
    EXPECT_EQ(h.run(), framed({"Dir: " + at(backup, "data") + " created",
                               "Dir: " + at(backup, "data/sub") + " created",
                               "Total files to copy: 1 file(s) in 3 directory(s)",
                               "File b.txt copied in <t> [3 B]", "Total time taken 0:00:03"}));
    const Lines questions{"Move files, is still on\r\nok = move, cancel = copy",
                          "Direct copy, is still on\r\nok = direct, cancel = search"};
    EXPECT_EQ(h.asked, questions);
    EXPECT_FALSE(h.window.mnuOptMove.checked() || h.window.mnuOptDcopy.checked());
    EXPECT_EQ((Lines{h.window.lblTime[0].caption(), h.window.lblTime[3].caption(),
                     h.window.txtDestination.caption()}),
              (Lines{"Time elapsed: 0:00:00", "Total size todo: 3 B", at(backup, "")}));
    EXPECT_TRUE(h.idle());
    const Lines leftOpen = descriptorsUnder(backup);
    // OK keeps Move; an unchecked option asks nothing; an unreadable folder is reported last.
    temp.makeFolder("data/gone");
    h.window.mnuOptMove.setChecked(true);
    h.answer = true;
    const Lines lines = h.run();
    // The system's own error for a folder that is not there, as an opening of it reports it.
    const auto missing = platform::SourceFolder(at(source, "gone")).openError();
    EXPECT_EQ(missing.kind(), platform::ErrorKind::NotFound);
    EXPECT_EQ(lines, framed({"Dir: " + at(backup, "data/gone") + " created",
                             "Total files to copy: 1 file(s) in 4 directory(s)",
                             "1. File b.txt skipped, allready there, filesize ok",
                             "Move is on, deleted the file b.txt", "Total time taken 0:00:00",
                             "Err " + std::to_string(missing.code()) + ": Cannot read the folder " +
                                 at(source, "gone") + " (" + platform::errorText(missing) + ")"}));
    EXPECT_EQ(h.asked, (Lines{questions[0], questions[1], questions[0]}));
    // The folder not read fails the run, though no file of its own failed.
    EXPECT_EQ(ExitStatus(h.controller.lastEnding(), false, h.state.outcome), 1);
    EXPECT_EQ(captions, (Lines{"Un&pause", "&Pause", "Un&pause", "&Pause"}));
    SKIP_ON_WINDOWS("the list of open descriptors in /proc");
    EXPECT_GT(openDuringRun, 0U);
    EXPECT_EQ(leftOpen, Lines{});
}

// A source typed with a separator at its end names its contents: they go into the destination
// itself, in both walks, sub-folders included, and a second run skips each of them, also into
// the destination typed with separators to spare. A move leaves the folder itself in place.
TEST_F(RunControllerTest, ASourceEndingInASeparatorCopiesItsContentsAndTheNextRunSkipsThem) {
    temp.write("data/a.txt", "a");
    temp.write("data/sub/b.txt", "bb");
    // Its folder and file lines, in any order: the walk's order is the system's.
    const auto treeLines = [](const Lines& lines) {
        Lines tree;
        std::copy_if(lines.begin(), lines.end(), std::back_inserter(tree), [](const auto& line) {
            return line.find("File ") != std::string::npos || line.starts_with("Dir: ");
        });
        return test::inAnyOrder(tree);
    };
    const char separator = platform::nativePathRules.separator();
    for (const bool direct : {false, true}) {
        SCOPED_TRACE(direct ? "direct" : "survey");
        ControllerHarness h(source + separator, backup);
        h.window.mnuOptDcopy.setChecked(direct);
        EXPECT_EQ(treeLines(h.run()), test::inAnyOrder({"Dir: " + at(backup, "sub") + " created",
                                                        "File a.txt copied in <t> [1 B]",
                                                        "File b.txt copied in <t> [2 B]"}));
        EXPECT_EQ(test::listing(backup), (Lines{"a.txt = a", "sub/", "sub/b.txt = bb"}));
        EXPECT_EQ(ExitStatus(h.controller.lastEnding(), false, h.state.outcome), 0);

        h.window.mnuOptDcopy.setChecked(direct);
        h.window.txtDestination.setCaption(backup + std::string(3, separator));
        EXPECT_EQ(treeLines(h.run()),
                  (Lines{"#. File a.txt skipped, allready there, filesize ok",
                         "#. File b.txt skipped, allready there, filesize ok"}));
        std::filesystem::remove_all(backup);
        std::filesystem::create_directory(backup);
    }
    // Moved, its files leave it, and the folder whose contents they were stays.
    const std::string flat = temp.makeFolder("flat");
    temp.write("flat/c.txt", "c");
    ControllerHarness move(flat + separator, backup);
    move.window.mnuOptMove.setChecked(true);
    move.run();
    EXPECT_EQ(test::readFile(at(backup, "c.txt")), "c");
    EXPECT_TRUE(test::exists(flat) && test::namesIn(flat).empty());
}

// A destination inside its source would copy the tree into itself (and move would delete it),
// also when it is reached through a second mount, with another path but the same identity.
TEST_F(RunControllerTest, PathErrorsEndTheRunWithNothingTouched) {
    temp.write("data/a.txt", "a");
    const std::string file = temp.write("file.txt", "x"), inner = at(source, "inner");
    const std::string missing = temp / "missing", error = "Destination Path error: ";
    const test::BindMount mirror(source, temp / "mirror");
    const struct {
        std::string from, box;
        Lines middle;
    } cases[] = {
        {"", "", {"Source Path error: "}},
        {missing, backup, {"Source Path error: " + missing}},
        {file, backup, {"Source Path error: " + file}},
        {source, file, {"Failed to create dir: " + at(file, "data"), error + at(file, "data")}},
        {source, temp.path(), {error + source}},
        {source, inner, {error + at(inner, "data")}},
        {source, temp / "mirror", {error + temp / "mirror/data"}},
    };
    for (const auto& [from, box, middle] : cases) {
        SCOPED_TRACE("source '" + from + "', box '" + box + "'");
        if (box == temp / "mirror" && !mirror.mounted()) {
            continue; // a bind mount needs root
        }
        ControllerHarness run(from, box);
        run.window.mnuOptMove.setChecked(true);
        EXPECT_EQ(run.run(), framed(middle));
        EXPECT_EQ(run.window.txtDestination.caption(), at(box, ""));
        EXPECT_EQ(run.controller.lastEnding(), middle[0].starts_with("Source")
                                                   ? RunEnding::SourcePathError
                                                   : RunEnding::DestinationPathError);
    }
    EXPECT_EQ(test::namesIn(source), std::set<std::string>{"a.txt"});
    EXPECT_TRUE(test::namesIn(backup).empty());
}

// A survey stop is cleared by the list run; a direct one is reported at the end. The next run
// starts clean.
TEST_F(RunControllerTest, StopsEndTheRunAndOnlyTheStopButtonGivesItselfUp) {
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) {
        temp.write(std::string("data/") + name, name);
    }
    const std::string total = "Total time taken 0:00:00", clicked = "User clicked on [Stop]";
    const std::vector<Lines> middles{
        {clicked, "Total files to copy: 1 file(s) in 1 directory(s)", total}, // survey
        {"Direct Copying on", clicked, total, "User clicked [STOP]"},         // Pause, Stop
        {"Direct Copying on", total, "User clicked [STOP]"}};                 // save panel
    for (int mode = 0; mode < 3; ++mode) {
        SCOPED_TRACE(mode);
        std::filesystem::create_directory(at(backup, "data"));
        ControllerHarness run(source, backup);
        run.window.mnuOptDcopy.setChecked(mode > 0);
        Lines captions;
        bool stopEnabled = true;
        run.onYield = [&](int yield) {
            if (mode == 0 && run.window.lstCopy.count() == 1 &&
                run.state.RunControl == run_control::none) {
                run.controller.cmdCancel_Click();
            } else if (mode == 1 && yield <= 2) {
                yield == 1 ? run.controller.cmdPause_Click() : run.controller.cmdCancel_Click();
            } else if (mode == 2 && yield == 1) {
                run.controller.cmdCancelLoad_Click();
            } else {
                return;
            }
            captions.push_back(run.window.cmdPause.caption());
            stopEnabled = run.window.cmdCancel.enabled();
        };
        EXPECT_EQ(run.run(), framed(middles[mode]));
        EXPECT_EQ(captions, mode == 1 ? (Lines{"Un&pause", "&Pause"}) : Lines{"&Pause"});
        EXPECT_EQ(stopEnabled, mode == 2);
        EXPECT_TRUE(run.controller.lastRunStopped());
        EXPECT_TRUE(run.idle());

        run.onYield = [](int) {};
        run.run();
        EXPECT_EQ(test::namesIn(at(backup, "data")).size(), 3U);
        EXPECT_FALSE(run.controller.lastRunStopped());
        std::filesystem::remove_all(at(backup, "data"));
    }
}

// Pause while a stop is pending withdraws the stop, and the run goes on to its end.
TEST_F(RunControllerTest, PauseWhileAStopIsPendingWithdrawsTheStop) {
    temp.write("data/a.txt", "a");
    ControllerHarness h(source, backup);
    h.onYield = [&](int yield) {
        if (yield == 1) {
            h.controller.cmdCancel_Click();
            h.controller.cmdPause_Click();
        } else if (h.state.RunControl == run_control::pause) {
            h.controller.cmdCancel_Click(); // a pause here would never end
        }
    };
    EXPECT_EQ(h.run(), framed({"Dir: " + at(backup, "data") + " created", "User clicked on [Stop]",
                               "Total files to copy: 1 file(s) in 1 directory(s)",
                               "File a.txt copied in <t> [1 B]", "Total time taken 0:00:00"}));
    EXPECT_FALSE(h.controller.lastRunStopped());
}

TEST(DestinationPath, InsideSourceIsJudgedOnResolvedPaths) {
    SKIP_ON_WINDOWS("symbolic links and POSIX paths");
    const test::TempFolder temp;
    const std::string photos = temp.makeFolder("Data/Photos");
    std::filesystem::create_directory_symlink(photos, temp / "link");
    EXPECT_TRUE(DestinationInsideSource(photos + "/", photos));
    EXPECT_TRUE(DestinationInsideSource(photos, temp / "link/new/Photos"));
    EXPECT_TRUE(DestinationInsideSource("/", temp / "anywhere"));
    EXPECT_FALSE(DestinationInsideSource(photos, photos + "2/Photos"));
    EXPECT_FALSE(DestinationInsideSource(photos, photos + "/../Other"));
    // A folder of another drive that has the source's inode number is not the source: two
    // fresh tmpfs drives number their first folders alike.
    const test::Tmpfs one(temp / "one", "size=1m"), two(temp / "two", "size=1m");
    if (!one.mounted() || !two.mounted()) {
        GTEST_SKIP() << one.why() << two.why();
    }
    const std::string from = temp.makeFolder("one/data"), to = temp.makeFolder("two/backup");
    if (test::statOf(from).st_ino != test::statOf(to).st_ino) {
        GTEST_SKIP() << "the two drives numbered their first folders differently";
    }
    EXPECT_FALSE(DestinationInsideSource(from, to + "/data"));
}

} // namespace orvane
