#include "common/EngineHarness.h"
#include "common/PosixFixtures.h"

#include "platform/FileCopy.h"
#include "platform/FileEvents.h"

namespace orvane::test {
namespace {

class MoveSafetyTest : public EngineTest {
protected:
    void SetUp() override { harness.window.mnuOptMove.setChecked(true); }
};

// Turns after which a moved source must stay: its destination may not hold the same bytes.
// A source that goes, copied or skipped (which may be an unflushed leftover of an earlier
// run), goes only after its copy and the copy's folder entry reached the disk.
TEST_F(MoveSafetyTest, EveryTurnThatMayNotHavePlacedTheSameBytesKeepsItsSource) {
    plant({"data/moved.txt = same", "backup/data/moved.txt = same",
           // The same size, other bytes.
           "data/other.txt = wxyz", "backup/data/other.txt = abcd",
           // A folder under a file's name, and a file under a folder's name, block their copies.
           "data/blocked.txt = blocked", "backup/data/blocked.txt/keep.txt = keep",
           "data/sub/inner.txt = inner", "backup/data/sub = a file",
           // Named like copy temporaries: ordinary files to every run, moved like any other.
           "data/.x.orvane-part-1-1 = precious", "data/.orvane-part-0123456789abcdef-1-1 = also",
           "data/linked.txt = one file, two names"});
    std::filesystem::create_hard_link(src("linked.txt"), dst("linked.txt")); // it is its copy
    Lines events;
    platform::setFileEventHook([&](platform::FileEvent event, const std::string& path) {
        const char* names[] = {"file flushed ", "folder flushed ", "deleted "};
        events.push_back(names[static_cast<int>(event)] + path);
    });
    harness.runSurveyMode();
    platform::setFileEventHook({});
    EXPECT_EQ(inAnyOrder(harness.lines()),
              (Lines{"#. File blocked.txt reported err: 0", "#. File inner.txt reported err: 0",
                     "#. File linked.txt skipped, allready there, filesize ok",
                     "#. File moved.txt skipped, allready there, filesize ok",
                     "#. File other.txt skipped, allready there, filesize ok",
                     "Failed to create dir: " + dst("sub"),
                     "File .orvane-part-0123456789abcdef-1-1 copied in <t> [4 B]",
                     "File .x.orvane-part-1-1 copied in <t> [8 B]",
                     "Move is on, deleted the file .orvane-part-0123456789abcdef-1-1",
                     "Move is on, deleted the file .x.orvane-part-1-1",
                     "Move is on, deleted the file moved.txt",
                     "Total files to copy: 7 file(s) in 3 directory(s)"}));
    EXPECT_EQ(listing(source), (Lines{"blocked.txt = blocked", "linked.txt = one file, two names",
                                      "other.txt = wxyz", "sub/", "sub/inner.txt = inner"}));
    EXPECT_EQ(readFile(dst("sub")) + readFile(dst("blocked.txt/keep.txt")), "a filekeep");
    int deleted = 0;
    for (std::size_t turn = 2; turn < events.size(); ++turn) {
        if (events[turn].starts_with("deleted ")) {
            const std::string name = std::filesystem::path(events[turn]).filename().string();
            ++deleted;
            EXPECT_EQ(Lines(events.begin() + turn - 2, events.begin() + turn + 1),
                      (Lines{"file flushed " + dst(name), "folder flushed " + destination,
                             "deleted " + src(name)}));
        }
    }
    EXPECT_EQ(deleted, 3) << testing::PrintToString(events);
}

// Between a file's copy and its source's deletion, the source or the new copy is rewritten in
// place with bytes of the same size and its modification time is set back, as rsync or touch -r
// would: the source must stay. (Megabytes: their copy takes longer than a tick of the file
// system's clock.)
TEST_F(MoveSafetyTest, SourceOrCopyRewrittenWithItsSizeAndTimeAfterTheCopyKeepsTheSource) {
    constexpr std::size_t size = 4 << 20;
    for (const bool source : {true, false}) {
        SCOPED_TRACE(source ? "the source rewritten" : "the copy rewritten");
        const std::string path = source ? src("big.bin") : dst("big.bin");
        std::filesystem::remove(dst("big.bin"));
        writeAll(src("big.bin"), patterned(size, 1));
        EngineHarness run(this->source, destination, true);
        run.log.setLineListener([&](std::string_view line) {
            if (line.find(" copied in ") != std::string::npos && exists(path)) {
                const auto before = std::filesystem::last_write_time(path);
                writeAll(path, patterned(size, 2));
                std::filesystem::last_write_time(path, before);
            }
        });
        run.runSurveyMode();
        EXPECT_EQ(run.lines(), (Lines{"Total files to copy: 1 file(s) in 1 directory(s)",
                                      "File big.bin copied in <t> [4.0 MB]"}));
        EXPECT_TRUE(readFile(src("big.bin")) == patterned(size, source ? 2 : 1));
        EXPECT_TRUE(readFile(dst("big.bin")) == patterned(size, source ? 1 : 2));
    }
}

// Two moves of one source at once: the other run deletes a source after this run copied or
// skipped it, before this run deletes it. Such a source is neither kept nor deleted by this
// run, and the user is told it was gone. One the other run moved before this run's turn came
// is not copied, and not kept either.
TEST_F(MoveSafetyTest, ASourceRemovedByAnotherMoveAfterItsTurnIsGoneNotKept) {
    plant({"data/copied.txt = copied", "data/skipped.txt = same", "backup/data/skipped.txt = same",
           "data/taken.txt = moved by the other run"});
    harness.log.setLineListener([&](std::string_view line) {
        for (const char* name : {"copied.txt", "skipped.txt"}) {
            if (line.find(std::string(" ") + name + " ") != std::string::npos) {
                std::filesystem::remove(src(name));
            }
        }
        if (line.starts_with("Total files to copy: ")) {
            std::filesystem::remove(src("taken.txt"));
        }
    });
    Lines problems;
    harness.state.problemListener = [&](const std::string& path, const std::string& reason) {
        problems.push_back(path + ": " + reason);
    };
    harness.runSurveyMode();
    const std::string gone = ": source already gone: something else removed it after its turn";
    EXPECT_EQ(inAnyOrder(problems),
              (Lines{src("copied.txt") + gone, src("skipped.txt") + gone,
                     src("taken.txt") + ": not copied: it is gone since it was listed"}));
    const RunOutcome& outcome = harness.state.outcome;
    EXPECT_EQ(std::tuple(outcome.sourcesGone, outcome.sourcesKept, outcome.filesFailed),
              std::tuple(2, 0, 1));
    EXPECT_EQ(listing(destination), (Lines{"copied.txt = copied", "skipped.txt = same"}));
}

// A skipped file's source goes only once its copy is seen to hold the same bytes. A run that
// cannot read the source (a user moving, from a folder of their own, a file shut to them)
// cannot compare, and keeps it.
TEST_F(MoveSafetyTest, SkippedFileThatCannotBeComparedKeepsItsSource) {
    SKIP_ON_WINDOWS("another user to run the move as");
    if (!runningAsRoot()) {
        GTEST_SKIP() << "needs root to run the move as a user the source is shut to";
    }
    plant({"data/shut.txt = same", "backup/data/shut.txt = same"});
    namespace fs = std::filesystem;
    const auto open = fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                      fs::perms::others_read | fs::perms::others_exec;
    fs::permissions(src("shut.txt"), fs::perms::none);
    fs::permissions(temp.path(), open);
    fs::permissions(temp / "backup", open);
    ASSERT_TRUE(giveToAnotherUser(source) && giveToAnotherUser(destination));
    EXPECT_EQ(exitStatusAsAnotherUser([&] {
                  harness.runSurveyMode();
                  return harness.state.outcome.sourcesKept == 1 ? 0 : 1;
              }),
              0);
    EXPECT_TRUE(exists(src("shut.txt")));
}

} // namespace
} // namespace orvane::test
