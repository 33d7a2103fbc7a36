#include "platform/FileCopy.h"
#include "platform/AppendFile.h"
#include "platform/DriveSpace.h"
#include "platform/FileIdentity.h"

#include "common/CopyFixtures.h"
#include "common/PosixFixtures.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <climits>

using namespace orvane::platform;
using namespace orvane::test;

const std::int64_t chunk = copyChunkBytes;
constexpr auto Switch = CopyReason::StreamSwitch;
constexpr auto Chunk = CopyReason::ChunkFinished;
using Reports = std::vector<std::tuple<CopyReason, std::int64_t, std::int64_t>>;

// One copy and its reports; `onReport` sees each report and may raise the cancel flag.
static std::pair<CopyResult, Reports>
copyOnce(const std::string& from, const std::string& to,
         const std::function<void(const CopyReport&, std::int32_t&)>& onReport = {}) {
    Reports reports;
    std::int32_t flag = 0;
    const CopyProgress progress = [&](const CopyReport& r) {
        reports.emplace_back(r.reason, r.totalSize, r.transferred);
        if (onReport) {
            onReport(r, flag);
        }
    };
    return {copyFileWithProgress(from, to, progress, flag,
                                 {.durable = true, .root = "", .replaces = identityOf(to)}),
            reports};
}

TEST(FileCopy, ReportsEveryChunkReadsTheFlagBeforeEachButTheLastAndKeepsModeAndTimes) {
    const std::int64_t n = 2 * chunk + 12345;
    const struct {
        Reports reports; // the first gives the size; a last one short of it means cancelled
        std::string linkTarget = {}; // empty: a regular file
        CopyReason at = Switch;
        std::int32_t stop = 0;
    } cases[] = {
        {{{Switch, n, 0}, {Chunk, n, chunk}, {Chunk, n, 2 * chunk}, {Chunk, n, n}}},
        {{{Switch, 0, 0}, {Chunk, 0, 0}}},
        {{{Switch, 17, 0}, {Chunk, 17, 17}}, "../nowhere/at/all"},
        {{{Switch, n, 0}}, "", Switch, 1},
        {{{Switch, n, 0}, {Chunk, n, chunk}}, "", Chunk, 2},
        {{{Switch, 9, 0}, {Chunk, 9, 9}}, "", Chunk, 1}, // a stop in the last report
        {{{Switch, 17, 0}}, "../nowhere/at/all", Switch, 1},
    };
    for (const auto& c : cases) {
        const auto size = std::get<1>(c.reports.front());
        SCOPED_TRACE(testing::Message() << size << c.linkTarget << " stop " << c.stop);
        TempFolder dir;
        writeAll(dir / "src-target", patterned(static_cast<std::size_t>(size)));
        writeAll(dir / "dst", "previous copy");
        const bool file = c.linkTarget.empty();
        ASSERT_EQ(file ? ::link((dir / "src-target").c_str(), (dir / "src").c_str())
                       : ::symlink(c.linkTarget.c_str(), (dir / "src").c_str()),
                  0);
        const timespec times[2] = {{1500000000, 123}, {1600000000, 987654321}};
        ASSERT_EQ(::utimensat(AT_FDCWD, (dir / "src").c_str(), times, AT_SYMLINK_NOFOLLOW), 0);
        const auto [result, reports] =
            copyOnce(dir / "src", dir / "dst", [&c](const CopyReport& r, std::int32_t& flag) {
                flag = r.reason == c.at ? c.stop : flag;
            });

        const bool copied = c.reports.size() > 1 && std::get<2>(c.reports.back()) == size;
        EXPECT_EQ(result.outcome, copied ? CopyOutcome::Copied : CopyOutcome::Cancelled);
        EXPECT_EQ(result.error.code(), copied ? 0 : ECANCELED);
        EXPECT_EQ(result.source, identityOf(dir / "src"));
        EXPECT_EQ(reports, c.reports);
        EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"src-target", "src", "dst"}));
        struct stat from = {}, to = {};
        ASSERT_EQ(::lstat((dir / "src").c_str(), &from) + ::lstat((dir / "dst").c_str(), &to), 0);
        if (copied) {
            EXPECT_EQ(to.st_mtim.tv_nsec, 987654321);
            EXPECT_TRUE(!file || to.st_atim.tv_sec == 1500000000); // reading the copy moves it
            EXPECT_EQ(to.st_mode, from.st_mode);
            EXPECT_EQ(file ? "" : std::filesystem::read_symlink(dir / "dst").string(),
                      c.linkTarget);
        }
        EXPECT_TRUE(readFile(dir / "dst") == (copied ? readFile(dir / "src") : "previous copy"));
    }
}

// Names that look like a copy's temporary (the one earlier versions used, and this process's
// own pattern) are a user's files: never deleted, taken over or written through, by a new copy
// or by one that replaces its destination. No copy leaves a name of its own behind.
TEST(FileCopy, AUsersFileNamedLikeATemporaryIsNeverTouched) {
    // Named temporaries first: each test runs in a process of its own, whose count of
    // temporaries starts at 1, the first planted name; a named pass after another would
    // start past the planted names and never meet one.
    for (const auto& [name, unnamed] : {std::pair{std::string("dst"), false},
                                        {std::string("dst"), true},
                                        {std::string(NAME_MAX, 'n'), false},
                                        {std::string(NAME_MAX, 'n'), true}}) {
        const TemporaryKind kind(unnamed);
        TempFolder dir;
        writeAll(dir / "src", "new");
        writeAll(dir / "victim", patterned(100000));
        const std::string earlier =
            name.size() < 100 ? "." + name + ".orvane-part" : ".orvane-part-0123456789abcdef";
        std::set<std::string> names{"src", "victim", name, earlier};
        ASSERT_EQ(::symlink((dir / "victim").c_str(), (dir / earlier).c_str()), 0);
        for (int n = 1; n <= 300 && name.size() < 100; ++n) {
            const std::string own =
                "." + name + ".orvane-part-" + std::to_string(::getpid()) + "-" + std::to_string(n);
            ASSERT_EQ(::link((dir / "victim").c_str(), (dir / own).c_str()), 0);
            names.insert(own);
        }
        EXPECT_EQ(copyOnce(dir / "src", dir / name).first.outcome, CopyOutcome::Copied);
        writeAll(dir / "src", "a longer new text");
        EXPECT_EQ(copyOnce(dir / "src", dir / name).first.outcome, CopyOutcome::Copied);
        EXPECT_EQ(readFile(dir / name), "a longer new text");
        EXPECT_TRUE(readFile(dir / "victim") == patterned(100000));
        EXPECT_EQ(namesIn(dir.path()), names);
    }
}

// The destination as the caller saw it is the only one a copy may replace: one that appeared
// during the copy, or took the old one's place, belongs to someone else and stays.
TEST(FileCopy, CopyNeverReplacesAnEntryItDidNotSee) {
    const struct {
        bool oldOne;      // a destination the caller saw before the copy
        std::string move; // what happens at it mid-copy: "appear", "swap", "remove"
        CopyOutcome outcome;
    } cases[] = {{false, "appear", CopyOutcome::Failed},
                 {true, "swap", CopyOutcome::Failed},
                 {true, "remove", CopyOutcome::Copied}};
    for (int run = 0; run < 6; ++run) {
        const auto& c = cases[run / 2];
        const bool unnamed = run % 2 == 0;
        SCOPED_TRACE(c.move + (unnamed ? " unnamed" : " named"));
        const TemporaryKind kind(unnamed);
        TempFolder dir;
        const std::string data = patterned(static_cast<std::size_t>(chunk + 1), 5);
        writeAll(dir / "src", data);
        if (c.oldOne) {
            writeAll(dir / "dst", "old");
        }
        const auto result =
            copyOnce(dir / "src", dir / "dst", [&](const CopyReport& r, std::int32_t&) {
                if (r.reason == Chunk && r.transferred == chunk) {
                    std::filesystem::remove(dir / "dst");
                    if (c.move != "remove") {
                        writeAll(dir / "dst", "theirs");
                    }
                }
            }).first;
        EXPECT_EQ(std::pair(result.outcome, result.error.kind()),
                  std::pair(c.outcome, c.outcome == CopyOutcome::Copied ? ErrorKind::None
                                                                        : ErrorKind::Exists));
        EXPECT_TRUE(readFile(dir / "dst") == (c.move == "remove" ? data : "theirs"));
        EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"src", "dst"}));
        EXPECT_EQ(result.placed.has_value(), c.outcome == CopyOutcome::Copied);
    }
}

// Opening a FIFO would wait for a writer; neither it nor a device is opened.
TEST(FileCopy, FifoAndDeviceAreRefusedWithoutBeingOpened) {
    TempFolder dir;
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    const int opens = ::inotify_init1(IN_NONBLOCK);
    ASSERT_GE(::inotify_add_watch(opens, (dir / "fifo").c_str(), IN_OPEN), 0);
    for (const std::string& special : {dir / "fifo", std::string("/dev/null")}) {
        EXPECT_EQ(copyOnce(special, dir / "dst").first.outcome, CopyOutcome::SpecialFile);
    }
    char event[256];
    EXPECT_LT(::read(opens, event, sizeof event), 0) << "the FIFO was opened";
    ::close(opens);
    EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"fifo"}));
}

TEST(AppendFile, AppendsToAPlainFileOnlyCreatingItWithModeLessUmask) {
    orvane::test::TempFolder folder;
    const std::string old = folder.write("old.txt", "old ");
    const mode_t previous = ::umask(027);
    EXPECT_TRUE(AppendFile(old).write(std::string("a\0b", 3)) &&
                AppendFile(folder / "new").write(""));
    ::umask(previous);
    EXPECT_EQ(orvane::test::readFile(old), std::string("old a\0b", 7));
    struct stat info {};
    EXPECT_TRUE(::stat((folder / "new").c_str(), &info) == 0 && (info.st_mode & 0777) == 0640);
    // Only a plain file is a log file: a device, a FIFO (which would wait for a reader) or a
    // link (which would lead anywhere) is refused, and the link's target is left alone.
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
    std::filesystem::create_symlink(old, folder / "link");
    for (const std::string& path : {std::string("/dev/full"), folder / "fifo", folder / "link"}) {
        AppendFile refused(path);
        EXPECT_FALSE(refused.isOpen() || refused.write("x") || refused.close()) << path;
        EXPECT_EQ(refused.failureReason(), "not a regular file") << path;
    }
    EXPECT_EQ(orvane::test::readFile(old), std::string("old a\0b", 7));
}

TEST(DriveSpace, LongestMountPointAtAFolderBoundaryHoldsTheFolder) {
    const std::string table = "27 1 254:0 / / rw,relatime - ext4 /dev/vda rw\n"
                              "39 27 0:34 /sub /data/deep/er rw - tmpfs tmpfs rw\n"
                              "40 27 0:30 / /data rw - tmpfs tmpfs rw\n"
                              "42 27 0:32 / /mnt/with\\040space\\134 rw - tmpfs tmpfs rw\n"
                              "broken line\n";
    for (const auto& [folder, mountPoint] : {std::pair{"/", "/"},
                                             {"/datax", "/"},
                                             {"/data/deep/er/x", "/data/deep/er"},
                                             {"/data/deep/err", "/data"},
                                             {"/mnt/with space\\/a", "/mnt/with space\\"}}) {
        EXPECT_EQ(mountPointOf(folder, table), mountPoint) << folder;
    }
}

// Identity is the entry itself to the nanosecond; contents compare across buffers, and links
// by their targets; a flush takes regular files and links to them only.
TEST(FileIdentity, IdentityContentsAndFlushTakeTheEntryItself) {
    TempFolder dir;
    std::string data = patterned(3 * 256 * 1024 + 17);
    writeAll(dir / "a", data);
    writeAll(dir / "same", data);
    data.back() ^= 1;
    writeAll(dir / "last", data);
    ASSERT_EQ(::symlink("a", (dir / "toA").c_str()) + ::symlink("last", (dir / "toLast").c_str()) +
                  ::mkfifo((dir / "fifo").c_str(), 0600),
              0);
    const timespec times[2] = {{0, UTIME_OMIT}, {1600000000, 5}};
    ASSERT_EQ(::utimensat(AT_FDCWD, (dir / "a").c_str(), times, 0), 0);
    EXPECT_EQ(identityOf(dir / "a")->modifiedNs, 1600000000000000005);
    EXPECT_NE(identityOf(dir / "toA")->inode, identityOf(dir / "a")->inode);
    EXPECT_TRUE(*contentsEqual(dir / "a", dir / "same") &&
                *contentsEqual(dir / "toA", dir / "toA"));
    EXPECT_FALSE(*contentsEqual(dir / "a", dir / "last") ||
                 *contentsEqual(dir / "toA", dir / "toLast") ||
                 *contentsEqual(dir / "toA", dir / "a"));
    EXPECT_EQ(contentsEqual(dir / "fifo", dir / "fifo"), std::nullopt);
    EXPECT_TRUE(flushToDisk(dir / "a") && flushToDisk(dir / "toA"));
    EXPECT_FALSE(flushToDisk(dir / "fifo") || flushToDisk(dir.path()));
}
