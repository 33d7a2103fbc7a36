#include "common/EngineHarness.h"
#include "common/PosixFixtures.h"

#include "platform/FileCopy.h"

#include <chrono>

namespace orvane::test {
namespace {

// Faults that lost or tore a file, or passed a failure off as a success, each played at a
// fixed point of a run.

// Small chunks: a file of three is caught between chunks without megabytes to copy.
constexpr std::size_t kChunk = 64 << 10;
constexpr std::size_t kThreeChunks = 3 * kChunk;

class DataSafetyTest : public EngineTest {
protected:
    void SetUp() override { platform::setCopyChunkForTests(kChunk); }
    void TearDown() override { platform::setCopyChunkForTests(0); }
};

// A source rewritten, grown or cut while its copy runs: tried again, and placed only when a
// whole attempt saw it unchanged; never a torn file under its real name logged as copied.
TEST_F(DataSafetyTest, SourceChangedDuringItsCopyIsNeverPlacedAsCopied) {
    SKIP_ON_WINDOWS("a source written during its copy, which Windows refuses: the copy shares "
                    "the source with readers only");
    const std::string path = src("f");
    const std::function<void(int)> changes[] = {
        [&](int n) { writeAll(path, patterned(kThreeChunks, 10 + n)); },
        [&](int) { std::ofstream(path, std::ios::binary | std::ios::app) << "more"; },
        [&](int) { std::filesystem::resize_file(path, std::filesystem::file_size(path) - 1); },
    };
    for (const auto& change : changes) {
        for (const bool always : {false, true}) {
            SCOPED_TRACE(testing::Message() << &change - changes << (always ? " always" : " once"));
            std::filesystem::remove_all(destination);
            std::filesystem::create_directory(destination);
            writeAll(path, patterned(kThreeChunks, 1));
            // An old time: a change within the same clock tick as the write still shows.
            std::filesystem::last_write_time(
                path, std::chrono::file_clock::from_sys(
                          std::chrono::sys_seconds{std::chrono::seconds{1500000000}}));
            EngineHarness run(source, destination);
            int changed = 0;
            std::string told;
            run.state.problemListener = [&](const std::string&, const std::string& reason) {
                told = reason;
            };
            run.onYield = [&](int) {
                if (run.midFile() && run.state.CLastTransferred.raw() < std::int64_t{2 * kChunk} &&
                    (always || changed == 0)) {
                    change(changed++);
                }
            };
            run.runSurveyMode();
            const auto& done = run.state.outcome;
            EXPECT_EQ(run.lines(), (Lines{"Total files to copy: 1 file(s) in 1 directory(s)",
                                          always ? "1. File f reported err: 0"
                                                 : "File f copied in <t> [192.0 kB]"}));
            EXPECT_EQ(std::pair(done.filesFailed, done.filesCopied),
                      always ? std::pair(1, 0) : std::pair(0, 1));
            EXPECT_TRUE(always ? !exists(dst("f")) : readFile(dst("f")) == readFile(path));
            EXPECT_EQ(namesIn(destination).size(), always ? 0U : 1U);
            EXPECT_EQ(told, always ? "not copied: it kept changing while it was copied" : "");
            // The bytes of the abandoned attempt went back to the to-do total and were done
            // again: nothing is left to do, and the done total is the file's size.
            const auto size = static_cast<std::int64_t>(readFile(path).size());
            EXPECT_TRUE(always || run.totals() == std::tuple(size, 0, size));
        }
    }
}

// 5 MiB of space holding a 4 MiB old copy: a 6 MiB source is refused with the old copy's
// space counted as free, a 4.5 MiB one runs out of space while copying; both keep the old copy.
TEST_F(DataSafetyTest, OldDestinationIsKeptUntilTheNewOneIsComplete) {
    Tmpfs drive(temp / "backup", "size=5m");
    if (!drive.mounted()) {
        GTEST_SKIP() << drive.why();
    }
    temp.makeFolder("backup/data");
    const std::string old = patterned(4 << 20, 3);
    for (const std::size_t size : {6U << 20, 9U << 19}) {
        SCOPED_TRACE(size);
        writeAll(dst("big"), old);
        writeAll(src("big"), patterned(size, 4));
        EngineHarness run(source, destination);
        run.runSurveyMode();
        EXPECT_EQ(run.lines(),
                  (Lines{"Total files to copy: 1 file(s) in 1 directory(s)",
                         "1. File big allready there, filesize wrong, deleted and recopied",
                         size == 6U << 20 ? "2. Cannot copy: " + src("big") +
                                                " [6.0 MB ] not enough space on drive: " +
                                                temp / "backup" + " [5.0 MB ]"
                                          : "2. File big reported err: 0"}));
        EXPECT_TRUE(readFile(dst("big")) == old);
        EXPECT_EQ(namesIn(destination), std::set<std::string>{"big"});
    }
}

// Folders 200 characters long, one file in each, 25 deep: past the system's path limit.
// Every folder is listed and reopened relative to its parent, and made, so every file is
// copied, also those whose paths are too long for any path call.
TEST_F(DataSafetyTest, TreeDeeperThanThePathLimitIsCopiedWhole) {
    SKIP_ON_WINDOWS("a current folder past the path limit, to make the tree from within");
    const std::string name(200, 'd');
    // Made folder by folder from within: no path call takes the deepest paths.
    const auto home = std::filesystem::current_path();
    std::filesystem::current_path(source);
    for (int level = 1; level <= 25; ++level) {
        std::filesystem::create_directory(name);
        std::filesystem::current_path(name);
        writeAll("f", "f");
    }
    std::filesystem::current_path(home);
    harness.runSurveyMode();
    const auto& done = harness.state.outcome;
    EXPECT_EQ(std::tuple(done.foldersCreated, done.filesCopied, done.filesFailed),
              std::tuple(25, 25, 0));
    const std::string remove = "rm -rf '" + src(name) + "' '" + dst(name) + "'";
    EXPECT_EQ(std::system(remove.c_str()), 0);
}

} // namespace
} // namespace orvane::test
