#include "common/EngineHarness.h"

#include "platform/FileCopy.h"
#include "platform/FileEvents.h"

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orvane::test {
namespace {

// Turns after which a moved source must stay: its destination may not hold the same bytes.
class MoveSafetyTest : public EngineTest {
protected:
    void SetUp() override { harness.window.mnuOptMove.setChecked(true); }
    // Past the first chunk of a large file: small files never get this far.
    static bool midLargeFile(const EngineHarness& run) {
        return run.state.CLastTransferred > Amount::fromRaw(1 << 20);
    }
};

TEST_F(MoveSafetyTest, EveryTurnThatMayNotHavePlacedTheSameBytesKeepsItsSource) {
    temp.write("data/moved.txt", "same");
    temp.write("backup/data/moved.txt", "same");
    temp.write("data/other.txt", "wxyz"); // the same size, other bytes
    temp.write("backup/data/other.txt", "abcd");
    temp.write("data/linked.txt", "one file, two names"); // its destination is itself
    std::filesystem::create_hard_link(src("linked.txt"), dst("linked.txt"));
    // A folder under a file's name, and a file under a folder's name, block their copies.
    temp.write("data/blocked.txt", "blocked");
    temp.write("backup/data/blocked.txt/keep.txt", "keep");
    temp.write("data/sub/inner.txt", "inner");
    temp.write("backup/data/sub", "a file");
    // Named like copy temporaries: ordinary files to every run, moved like any other.
    temp.write("data/.x.orvane-part-1-1", "precious");
    temp.write("data/.orvane-part-0123456789abcdef-1-1", "also precious");
    harness.runSurveyMode();
    EXPECT_EQ(inAnyOrder(harness.lines()),
              (Lines{"#. File blocked.txt reported err: 0", "#. File inner.txt reported err: 0",
                     "#. File linked.txt skipped, allready there, filesize ok",
                     "#. File moved.txt skipped, allready there, filesize ok",
                     "#. File other.txt skipped, allready there, filesize ok",
                     "Failed to create dir: " + dst("sub"),
                     "File .orvane-part-0123456789abcdef-1-1 copied in <t> [13 B]",
                     "File .x.orvane-part-1-1 copied in <t> [8 B]",
                     "Move is on, deleted the file .orvane-part-0123456789abcdef-1-1",
                     "Move is on, deleted the file .x.orvane-part-1-1",
                     "Move is on, deleted the file moved.txt"}));
    EXPECT_EQ(namesIn(source),
              (std::set<std::string>{"blocked.txt", "linked.txt", "other.txt", "sub"}));
    EXPECT_EQ(readFile(dst("sub")) + readFile(dst("blocked.txt/keep.txt")), "a filekeep");
}

// A run killed mid-file, then a run in which that file grows during its copy: that copy is
// abandoned, and the next attempt copies and moves the file whole.
TEST_F(MoveSafetyTest, KillLeavesNothingBehindAndTheNextRunCopiesAFileThatGrewWhole) {
    writeAll(src("big.bin"), patterned(kLargeFile));
    temp.write("data/a.txt", "a");
    temp.write("data/sub/c.txt", "c");
    ASSERT_EQ(std::system(("cp -a '" + source + "' '" + temp / "pristine" + "'").c_str()), 0);
    harness.onYield = [&](int) {
        if (midLargeFile(harness)) {
            ::raise(SIGKILL);
        }
    };
    GTEST_FLAG_SET(death_test_style, "fast"); // a forked child, working in these folders
    EXPECT_EXIT(harness.runSurveyMode(), testing::KilledBySignal(SIGKILL), "");
    // The partial copy had no name: nothing of it is left, hidden or not.
    for (const auto& name : namesIn(destination)) {
        EXPECT_TRUE(name == "a.txt" || name == "sub") << name;
    }
    EngineHarness again(source, destination, true);
    again.onYield = [&](int) {
        std::error_code gone;
        if (midLargeFile(again) && std::filesystem::file_size(src("big.bin"), gone) == kLargeFile) {
            std::ofstream(src("big.bin"), std::ios::binary | std::ios::app) << "late news";
        }
    };
    again.runSurveyMode();
    writeAll(temp / "pristine/big.bin", patterned(kLargeFile) + "late news");
    std::filesystem::last_write_time(temp / "pristine/big.bin",
                                     std::filesystem::last_write_time(dst("big.bin")));
    EXPECT_TRUE(sameTree(temp / "pristine", destination));
    EXPECT_EQ(namesIn(source), (std::set<std::string>{"sub"}));
}

// Between a file's copy and its source's deletion, the source or the new copy is rewritten in
// place with bytes of the same size and its modification time is set back, as rsync or touch -r
// would: the source must stay. (Megabytes: their copy takes longer than a tick of the file
// system's clock.)
TEST_F(MoveSafetyTest, SourceOrCopyRewrittenWithItsSizeAndTimeAfterTheCopyKeepsTheSource) {
    constexpr std::size_t size = 4 << 20;
    for (const std::string rewritten : {"source", "copy"}) {
        SCOPED_TRACE("the " + rewritten + " rewritten");
        const std::string path = rewritten == "source" ? src("big.bin") : dst("big.bin");
        std::filesystem::remove(dst("big.bin"));
        writeAll(src("big.bin"), patterned(size, 1));
        EngineHarness run(source, destination, true);
        run.log.setLineListener([&](const std::string& line) {
            if (line.find(" copied in ") != std::string::npos) {
                struct stat before {};
                ASSERT_EQ(::stat(path.c_str(), &before), 0);
                writeAll(path, patterned(size, 2));
                const timespec times[2] = {before.st_atim, before.st_mtim};
                ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
            }
        });
        run.runSurveyMode();
        EXPECT_EQ(run.lines(), Lines{"File big.bin copied in <t> [4.0 MB]"});
        EXPECT_TRUE(readFile(src("big.bin")) == patterned(size, rewritten == "source" ? 2 : 1));
        EXPECT_TRUE(readFile(dst("big.bin")) == patterned(size, rewritten == "source" ? 1 : 2));
    }
}

// A skipped file's source goes only once its copy is seen to hold the same bytes. A run that
// cannot read the source (a user moving, from a folder of their own, a file shut to them)
// cannot compare, and keeps it.
TEST_F(MoveSafetyTest, SkippedFileThatCannotBeComparedKeepsItsSource) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to run the move as a user the source is shut to";
    }
    temp.write("data/shut.txt", "same");
    temp.write("backup/data/shut.txt", "same");
    ASSERT_EQ(::chmod(src("shut.txt").c_str(), 0), 0);
    for (const std::string& folder : {temp.path(), temp / "backup"}) {
        ASSERT_EQ(::chmod(folder.c_str(), 0755), 0);
    }
    for (const std::string& folder : {source, destination}) {
        ASSERT_EQ(::chown(folder.c_str(), 65534, 65534), 0);
    }
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) {
            ::_exit(2);
        }
        harness.runSurveyMode();
        ::_exit(harness.state.outcome.sourcesKept == 1 ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_TRUE(exists(src("shut.txt")));
}

// A moved file reaches the disk, its folder entry too, before its source is deleted: for a
// copied file and for a skipped one, which may be an unflushed leftover of an earlier run.
TEST_F(MoveSafetyTest, DestinationIsFlushedBeforeItsSourceIsDeleted) {
    temp.write("data/copied.txt", "copied");
    temp.write("data/skipped.txt", "skipped");
    temp.write("backup/data/skipped.txt", "skipped");
    Lines events;
    platform::setFileEventHook([&](platform::FileEvent event, const std::string& path) {
        const char* names[] = {"file flushed ", "folder flushed ", "deleted "};
        events.push_back(names[static_cast<int>(event)] + path);
    });
    harness.runSurveyMode();
    platform::setFileEventHook({});
    ASSERT_EQ(events.size(), 6U) << testing::PrintToString(events);
    std::set<std::string> moved;
    for (auto turn = events.begin(); turn != events.end(); turn += 3) {
        const std::string name = turn->substr(turn->rfind('/') + 1);
        moved.insert(name);
        EXPECT_EQ(Lines(turn, turn + 3),
                  (Lines{"file flushed " + dst(name), "folder flushed " + destination,
                         "deleted " + src(name)}));
    }
    EXPECT_EQ(moved, (std::set<std::string>{"copied.txt", "skipped.txt"}));
}

} // namespace
} // namespace orvane::test
