#include "common/EngineHarness.h"

#include "platform/FileCopy.h"

#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orvane::test {
namespace {

// Faults that lost or tore a file, or passed a failure off as a success, each played at a
// fixed point of a run.
Lines operator+(Lines first, const Lines& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// Small chunks: a file of three is caught between chunks without megabytes to copy.
constexpr std::size_t kChunk = 64 << 10;
constexpr std::size_t kThreeChunks = 3 * kChunk;

class DataSafetyTest : public EngineTest {
protected:
    void SetUp() override { platform::setCopyChunkForTests(kChunk); }
    void TearDown() override { platform::setCopyChunkForTests(0); }
    static bool midFile(const EngineHarness& run) { return !run.state.CLastTransferred.isZero(); }
    static std::string contentOf(const std::string& path) {
        return exists(path) ? readFile(path) : "(none)";
    }
};

// Run A is mid-copy when run B starts copying a file of the same name into the same folder;
// A then finishes first and B last: the order in which one run renamed the other's partial
// temporary over the file and then deleted its own source.
TEST_F(DataSafetyTest, TwoRunsDoNotShareTemporaries) {
    // Unnamed temporaries, and the named ones of file systems that offer no unnamed files.
    for (const bool unnamed : {true, false}) {
        SCOPED_TRACE(unnamed ? "unnamed" : "named");
        const TemporaryKind kind(unnamed);
        TempFolder t;
        const std::string first = t.makeFolder("s1/data"), second = t.makeFolder("s2/data");
        const std::string to = t.makeFolder("dst/data");
        writeAll(first + "/f", patterned(kThreeChunks, 1));
        writeAll(second + "/f", patterned(kThreeChunks + 5, 2));
        int toChild[2], toParent[2];
        ASSERT_EQ(::pipe(toChild) + ::pipe(toParent), 0);
        char token = 0;
        EngineHarness a(first, to, true);
        pid_t child = -1;
        a.onYield = [&](int) {
            if (child >= 0 || !midFile(a)) {
                return;
            }
            child = ::fork();
            if (child == 0) {
                EngineHarness b(second, to, true);
                b.onYield = [&](int) {
                    if (midFile(b) && token == 0) { // B holds its temporary until A is done
                        token = 1;
                        const bool handshake = ::write(toParent[1], &token, 1) == 1 &&
                                               ::read(toChild[0], &token, 1) == 1;
                        token = handshake ? token : 2;
                    }
                };
                b.runSurveyMode();
                const auto& done = b.state.outcome;
                ::_exit(done.filesFailed * 10 + done.sourcesDeleted + (token == 2 ? 100 : 0));
            }
            ASSERT_EQ(::read(toParent[0], &token, 1), 1); // B is in the middle of its copy
        };
        a.runSurveyMode();
        ASSERT_GT(child, 0);
        ASSERT_EQ(::write(toChild[1], &token, 1), 1);
        int status = 0;
        ::waitpid(child, &status, 0);
        // A placed its file and moved its source; B found a file it had not seen in its place,
        // so it failed that file and kept its source.
        EXPECT_EQ(a.lines(),
                  (Lines{"File f copied in <t> [192.0 kB]", "Move is on, deleted the file f"}));
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 10) << status;
        EXPECT_TRUE(contentOf(to + "/f") == patterned(kThreeChunks, 1));
        EXPECT_FALSE(exists(first + "/f"));
        EXPECT_TRUE(contentOf(second + "/f") == patterned(kThreeChunks + 5, 2));
        EXPECT_EQ(namesIn(to), std::set<std::string>{"f"}); // no temporary left behind
        for (const int end : {toChild[0], toChild[1], toParent[0], toParent[1]}) {
            ::close(end);
        }
    }
}

// A source rewritten, grown or cut while its copy runs: tried again, and placed only when a
// whole attempt saw it unchanged; never a torn file under its real name logged as copied.
TEST_F(DataSafetyTest, SourceChangedDuringItsCopyIsNeverPlacedAsCopied) {
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
            const timespec old[2] = {{1500000000, 0}, {1500000000, 0}};
            ::utimensat(AT_FDCWD, path.c_str(), old, 0);
            EngineHarness run(source, destination);
            int changed = 0;
            run.onYield = [&](int) {
                if (midFile(run) &&
                    run.state.CLastTransferred.raw() < static_cast<std::int64_t>(2 * kChunk) &&
                    (always || changed == 0)) {
                    change(changed++);
                }
            };
            run.runSurveyMode();
            const auto& done = run.state.outcome;
            if (always) {
                EXPECT_EQ(run.lines(), Lines{"1. File f reported err: 0"});
                EXPECT_EQ(std::pair(done.filesFailed, done.filesCopied), std::pair(1, 0));
                EXPECT_EQ(namesIn(destination), std::set<std::string>{});
            } else {
                ASSERT_EQ(run.lines().size(), 1U);
                EXPECT_EQ(run.lines()[0].substr(0, 19), "File f copied in <t");
                EXPECT_TRUE(contentOf(dst("f")) == readFile(path));
                EXPECT_EQ(std::pair(done.filesFailed, done.filesCopied), std::pair(0, 1));
                // The bytes of the abandoned attempt went back to the to-do total and were
                // done again: nothing is left to do, and the done total is the file's size.
                EXPECT_EQ(
                    std::pair(run.state.CTotalFileSize.raw(), run.state.CTotalFileSizetrans.raw()),
                    std::pair(std::int64_t{0},
                              static_cast<std::int64_t>(std::filesystem::file_size(path))));
            }
        }
    }
}

// A link planted in the destination tree, to a source folder or anywhere else: no copy,
// replacement or deletion may pass through it, in either mode, copying or moving.
TEST_F(DataSafetyTest, LinkedDestinationFolderIsAFolderThatCouldNotBeMade) {
    for (const bool direct : {false, true}) {
        SCOPED_TRACE(direct ? "direct, move" : "survey, copy");
        TempFolder t;
        const std::string from = t.makeFolder("src"), to = t.makeFolder("dst/src");
        t.write("src/g", "ORIGINAL long");
        t.write("src/sub/g", "short");
        t.write("src/other/h", "h");
        t.write("elsewhere/keep", "keep");
        std::filesystem::create_directory_symlink(from, to + "/sub");
        std::filesystem::create_directory_symlink(t / "elsewhere", to + "/other");
        EngineHarness run(from, to, direct);
        direct ? run.runDirectMode() : run.runSurveyMode();
        EXPECT_EQ(inAnyOrder(run.lines()),
                  inAnyOrder(Lines{"Failed to create dir: " + to + "/sub",
                                   "Failed to create dir: " + to + "/other",
                                   "File g copied in <t> [13 B]", "#. File g reported err: 0",
                                   "#. File h reported err: 0"} +
                             Lines(direct ? 1U : 0U, "Move is on, deleted the file g")));
        EXPECT_EQ(std::pair(run.state.outcome.foldersFailed, run.state.outcome.filesFailed),
                  std::pair(2, 2));
        EXPECT_EQ(readFile(to + "/g"), "ORIGINAL long");
        EXPECT_EQ(contentOf(from + "/g"), direct ? "(none)" : "ORIGINAL long");
        EXPECT_EQ(readFile(from + "/sub/g") + readFile(from + "/other/h"), "shorth");
        EXPECT_EQ(namesIn(t / "elsewhere"), std::set<std::string>{"keep"});
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
        const Lines refused{"2. Cannot copy: " + src("big") + " [6.0 MB ] not enough space on " +
                            "drive: " + temp / "backup" + " [5.0 MB ]"};
        EXPECT_EQ(run.lines(),
                  Lines{"1. File big allready there, filesize wrong, deleted and recopied"} +
                      (size == 6U << 20 ? refused : Lines{"2. File big reported err: 0"}));
        EXPECT_TRUE(readFile(dst("big")) == old);
        EXPECT_EQ(namesIn(destination), std::set<std::string>{"big"});
    }
}

// The destination folder is reached through a link that the test turns, while the run makes
// the destination of sub-folder z, so that the destination now lies inside z.
TEST_F(DataSafetyTest, RunNeverDescendsIntoItsOwnDestinationAppearingInsideTheSource) {
    for (const bool direct : {false, true}) {
        SCOPED_TRACE(direct ? "direct" : "survey");
        TempFolder t;
        t.write("src/z/zf", "zf");
        t.makeFolder("real/data");
        std::filesystem::create_directory_symlink(t / "real", t / "out");
        EngineHarness run(t / "src", t / "out/data");
        bool turned = false;
        run.onYield = [&](int) {
            if (!turned && exists(t / "real/data/z")) {
                turned = true;
                std::filesystem::rename(t / "real/data", t / "src/z/data");
                std::filesystem::remove(t / "out");
                std::filesystem::create_directory_symlink(t / "src/z", t / "out");
            }
        };
        direct ? run.runDirectMode() : run.runSurveyMode();
        EXPECT_TRUE(turned);
        EXPECT_EQ(namesIn(t / "src/z/data/z"), std::set<std::string>{"zf"});
    }
}

// Folders 200 characters long, one file in each, 25 deep: past the system's path limit.
// Every folder is listed and reopened relative to its parent, and made, so every file is
// copied, also those whose paths are too long for any path call.
TEST_F(DataSafetyTest, TreeDeeperThanThePathLimitIsCopiedWhole) {
    const std::string name(200, 'd');
    std::string path = source;
    // Made folder by folder: no path call takes the deepest paths.
    int folder = ::open(source.c_str(), O_RDONLY | O_DIRECTORY);
    for (int level = 1; level <= 25; ++level) {
        ASSERT_EQ(::mkdirat(folder, name.c_str(), 0755), 0);
        const int next = ::openat(folder, name.c_str(), O_RDONLY | O_DIRECTORY);
        ::close(folder);
        folder = next;
        const int file = ::openat(folder, "f", O_WRONLY | O_CREAT, 0644);
        ASSERT_TRUE(file >= 0 && ::write(file, "f", 1) == 1);
        ::close(file);
        path += "/" + name;
    }
    ::close(folder);
    ASSERT_GT(path.size(), std::size_t{PATH_MAX}); // the deepest files lie past the limit
    harness.runSurveyMode();
    const auto& done = harness.state.outcome;
    EXPECT_EQ(std::tuple(done.foldersCreated, done.filesCopied, done.filesFailed),
              std::tuple(25, 25, 0));
    for (const auto& tree : {source, destination}) {
        EXPECT_EQ(std::system(("rm -rf '" + tree + "/" + name + "'").c_str()), 0);
    }
}

} // namespace
} // namespace orvane::test
