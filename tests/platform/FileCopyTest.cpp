#include "platform/FileCopy.h"

#include "common/CopyFixtures.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <vector>

using namespace orvane::platform;
using namespace orvane::test;

namespace {

const std::int64_t chunk = copyChunkBytes;

// Runs one copy and records every report it makes.
struct Recorded {
    CopyResult result;
    std::vector<CopyReport> reports;
};

Recorded copyRecording(const std::string& from, const std::string& to, std::int32_t& flag,
                       const std::function<void(const CopyReport&)>& onReport = {},
                       CopyOptions options = {}) {
    Recorded run;
    run.result = copyFileWithProgress(
        from, to,
        [&](const CopyReport& report) {
            run.reports.push_back(report);
            if (onReport) {
                onReport(report);
            }
        },
        flag, options);
    return run;
}

void setTimes(const std::string& path, std::int64_t accessNs, std::int64_t modifiedNs) {
    const timespec times[2] = {{accessNs / 1000000000, accessNs % 1000000000},
                               {modifiedNs / 1000000000, modifiedNs % 1000000000}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0);
}

struct stat lstatOf(const std::string& path) {
    struct stat info {};
    ::lstat(path.c_str(), &info);
    return info;
}

TEST(FileCopyContent, MultiChunkFileArrivesWholeWithTimesAndReportsEveryChunk) {
    for (const bool durable : {false, true}) {
        SCOPED_TRACE(durable ? "durable" : "plain");
        TempFolder dir;
        const std::string data = patterned(static_cast<std::size_t>(2 * chunk + 12345));
        writeAll(dir / "src", data);
        setTimes(dir / "src", 1500000000123456789, 1600000000987654321);
        // Bits the umask would strip must arrive all the same; set-id bits must not.
        ::chmod((dir / "src").c_str(), 04666);
        const mode_t previousMask = ::umask(022);
        std::int32_t flag = 0;

        const auto run = copyRecording(dir / "src", dir / "dst", flag, {}, {durable});
        ::umask(previousMask);

        ASSERT_EQ(run.result.outcome, CopyOutcome::Copied);
        EXPECT_TRUE(run.result.placed());
        EXPECT_EQ(run.result.source, identityOf(dir / "src"));
        // Times first: reading the copy moves its access time.
        EXPECT_EQ(lstatOf(dir / "dst").st_mtim.tv_nsec, 987654321);
        EXPECT_EQ(lstatOf(dir / "dst").st_atim.tv_sec, 1500000000);
        EXPECT_EQ(lstatOf(dir / "dst").st_mode & 07777, 0666U);
        EXPECT_TRUE(readFile(dir / "dst") == data);
        EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"src", "dst"}));

        const auto size = static_cast<std::int64_t>(data.size());
        ASSERT_EQ(run.reports.size(), 4U);
        EXPECT_EQ(run.reports[0].reason, CopyReason::StreamSwitch);
        EXPECT_EQ(run.reports[0].transferred, 0);
        for (std::size_t i = 1; i < run.reports.size(); ++i) {
            EXPECT_EQ(run.reports[i].reason, CopyReason::ChunkFinished);
            EXPECT_EQ(run.reports[i].totalSize, size);
            EXPECT_GT(run.reports[i].transferred, run.reports[i - 1].transferred);
            EXPECT_LE(run.reports[i].transferred - run.reports[i - 1].transferred, chunk);
        }
        EXPECT_EQ(run.reports.back().transferred, size);
    }
}

TEST(FileCopyContent, EmptyFileGivesOneSwitchAndOneChunkOfZero) {
    TempFolder dir;
    writeAll(dir / "src", "");
    std::int32_t flag = 0;
    const auto run = copyRecording(dir / "src", dir / "dst", flag);
    ASSERT_EQ(run.result.outcome, CopyOutcome::Copied);
    EXPECT_TRUE(exists(dir / "dst"));
    ASSERT_EQ(run.reports.size(), 2U);
    EXPECT_EQ(run.reports[0].reason, CopyReason::StreamSwitch);
    EXPECT_EQ(run.reports[1].reason, CopyReason::ChunkFinished);
    EXPECT_EQ(run.reports[1].totalSize, 0);
    EXPECT_EQ(run.reports[1].transferred, 0);
}

struct CancelCase {
    std::int32_t value;
    CopyReason at;
};

TEST(FileCopyCancel, NonZeroFlagBeforeAChunkAbandonsTheCopyAndKeepsTheOldDestination) {
    for (const auto& c :
         {CancelCase{1, CopyReason::StreamSwitch}, CancelCase{1, CopyReason::ChunkFinished},
          CancelCase{2, CopyReason::ChunkFinished}}) {
        SCOPED_TRACE(testing::Message() << "flag " << c.value << " at " << int(c.at));
        TempFolder dir;
        writeAll(dir / "src", patterned(static_cast<std::size_t>(3 * chunk)));
        writeAll(dir / "dst", "previous copy");
        std::int32_t flag = 0;
        const auto run = copyRecording(dir / "src", dir / "dst", flag, [&](const CopyReport& r) {
            if (r.reason == c.at) {
                flag = c.value;
            }
        });
        EXPECT_EQ(run.result.outcome, CopyOutcome::Cancelled);
        EXPECT_EQ(run.result.error, ECANCELED);
        EXPECT_FALSE(run.result.placed());
        EXPECT_EQ(run.reports.back().reason, c.at) << "no report after the stop";
        EXPECT_EQ(readFile(dir / "dst"), "previous copy");
        EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"src", "dst"}));
    }
}

TEST(FileCopyCancel, StopDuringTheLastReportStillCompletesTheFile) {
    TempFolder dir;
    writeAll(dir / "src", "one chunk");
    std::int32_t flag = 0;
    const auto run = copyRecording(dir / "src", dir / "dst", flag, [&](const CopyReport& r) {
        if (r.reason == CopyReason::ChunkFinished) {
            flag = 1;
        }
    });
    EXPECT_EQ(run.result.outcome, CopyOutcome::Copied);
    EXPECT_EQ(readFile(dir / "dst"), "one chunk");
}

TEST(FileCopyPlacement, LongerDestinationAndStaleTemporaryAreReplacedWhole) {
    TempFolder dir;
    writeAll(dir / "src", "new");
    writeAll(dir / "dst", "a longer previous copy");
    writeAll(temporaryNameFor(dir / "dst"), patterned(100000));
    std::int32_t flag = 0;
    ASSERT_EQ(copyFileWithProgress(dir / "src", dir / "dst", {}, flag).outcome,
              CopyOutcome::Copied);
    EXPECT_EQ(readFile(dir / "dst"), "new");
    EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"src", "dst"}));
}

// Regression: writing through an existing entry at the temporary name would follow a planted
// link, or truncate the file a planted hard link shares its content with.
TEST(FileCopyPlacement, PlantedLinksAtTheTemporaryNameAreNotWrittenThrough) {
    TempFolder dir;
    writeAll(dir / "src", "copied");
    writeAll(dir / "victim", "untouched");
    std::int32_t flag = 0;
    ASSERT_EQ(::symlink((dir / "victim").c_str(), temporaryNameFor(dir / "a").c_str()), 0);
    ASSERT_TRUE(copyFileWithProgress(dir / "src", dir / "a", {}, flag).placed());
    ASSERT_EQ(::link((dir / "victim").c_str(), temporaryNameFor(dir / "b").c_str()), 0);
    ASSERT_TRUE(copyFileWithProgress(dir / "src", dir / "b", {}, flag).placed());
    EXPECT_EQ(readFile(dir / "victim"), "untouched");
    EXPECT_EQ(readFile(dir / "a") + readFile(dir / "b"), "copiedcopied");
}

TEST(FileCopyPlacement, NameAtTheLengthLimitGetsAShortDeterministicTemporary) {
    TempFolder dir;
    const std::string name(NAME_MAX, 'n');
    const std::string temporary = temporaryNameFor(dir / name);
    EXPECT_EQ(temporary, temporaryNameFor(dir / name));
    EXPECT_NE(temporary, temporaryNameFor(dir / std::string(NAME_MAX, 'm')));
    EXPECT_LE(temporary.size() - dir.path().size() - 1, std::size_t{NAME_MAX});
    writeAll(dir / "src", "data");
    std::int32_t flag = 0;
    ASSERT_EQ(copyFileWithProgress(dir / "src", dir / name, {}, flag).outcome, CopyOutcome::Copied);
    EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"src", name}));
}

TEST(FileCopyPlacement, MissingSourceOrDestinationFolderFailsWithoutLeavingAnything) {
    TempFolder dir;
    writeAll(dir / "src", "data");
    std::int32_t flag = 0;
    const auto noFolder = copyFileWithProgress(dir / "src", dir / "missing/dst", {}, flag);
    EXPECT_EQ(noFolder.outcome, CopyOutcome::Failed);
    EXPECT_EQ(noFolder.error, ENOENT);
    const auto noSource = copyFileWithProgress(dir / "gone", dir / "dst", {}, flag);
    EXPECT_EQ(noSource.outcome, CopyOutcome::Failed);
    EXPECT_EQ(noSource.error, ENOENT);
    EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"src"}));
}

TEST(FileCopyPlacement, SourceGrowingDuringTheCopyIsPlacedButFlagged) {
    TempFolder dir;
    const std::string data = patterned(static_cast<std::size_t>(2 * chunk));
    writeAll(dir / "src", data);
    const auto original = identityOf(dir / "src");
    std::int32_t flag = 0;
    const auto run = copyRecording(dir / "src", dir / "dst", flag, [&](const CopyReport& r) {
        if (r.reason == CopyReason::ChunkFinished && r.transferred == chunk) {
            std::ofstream(dir / "src", std::ios::app) << "appended";
        }
    });
    EXPECT_EQ(run.result.outcome, CopyOutcome::SourceChanged);
    EXPECT_TRUE(run.result.placed());
    EXPECT_EQ(run.result.source, original);
    EXPECT_NE(identityOf(dir / "src"), original);
    EXPECT_EQ(readFile(dir / "dst").size(), data.size());
}

TEST(FileCopyLinks, LinkIsRecreatedWithItsTargetEvenWhenDangling) {
    for (const std::string& target : std::vector<std::string>{"src-target", "../nowhere/at/all"}) {
        TempFolder dir;
        writeAll(dir / "src-target", "content");
        ASSERT_EQ(::symlink(target.c_str(), (dir / "link").c_str()), 0);
        setTimes(dir / "link", 1500000000000000000, 1600000000000000007);
        std::int32_t flag = 0;
        const auto run = copyRecording(dir / "link", dir / "copy", flag);
        ASSERT_EQ(run.result.outcome, CopyOutcome::Copied) << target;
        std::string got(PATH_MAX, '\0');
        got.resize(
            static_cast<std::size_t>(::readlink((dir / "copy").c_str(), got.data(), got.size())));
        EXPECT_EQ(got, target);
        EXPECT_EQ(lstatOf(dir / "copy").st_mtim.tv_nsec, 7);
        ASSERT_EQ(run.reports.size(), 2U);
        EXPECT_EQ(run.reports[1].transferred, static_cast<std::int64_t>(target.size()));
    }
}

TEST(FileCopySpecial, FifoSocketAndDeviceAreRefusedWithoutBeingOpened) {
    TempFolder dir;
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, (dir / "sock").c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    // Opening the FIFO without a writer would block for good: the child would never end.
    const pid_t child = ::fork();
    if (child == 0) {
        std::int32_t flag = 0;
        bool refused = true;
        for (const char* name : {"fifo", "sock"}) {
            const auto result = copyFileWithProgress(dir / name, dir / "dst", {}, flag);
            refused = refused && result.outcome == CopyOutcome::SpecialFile;
        }
        refused = refused && copyFileWithProgress("/dev/null", dir / "dst", {}, flag).outcome ==
                                 CopyOutcome::SpecialFile;
        ::_exit(refused && !exists(dir / "dst") ? 0 : 1);
    }
    int status = 0;
    for (int waited = 0; ::waitpid(child, &status, WNOHANG) == 0; ++waited) {
        if (waited == 1000) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            ::close(sock);
            FAIL() << "the copy blocked: it opened the FIFO";
        }
        ::usleep(10000);
    }
    ::close(sock);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"fifo", "sock"}));
}

TEST(FileCopyCrash, KillInTheMiddleLeavesTheOldDestinationAndTheNextCopyCleansUp) {
    TempFolder dir;
    const std::string data = patterned(static_cast<std::size_t>(3 * chunk));
    writeAll(dir / "src", data);
    writeAll(dir / "dst", "previous copy");
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        std::int32_t flag = 0;
        copyFileWithProgress(
            dir / "src", dir / "dst",
            [&](const CopyReport& r) {
                if (r.reason == CopyReason::ChunkFinished) {
                    (void)!::write(ready[1], "k", 1);
                    ::pause();
                }
            },
            flag);
        ::_exit(0);
    }
    char signal = 0;
    ASSERT_EQ(::read(ready[0], &signal, 1), 1);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);

    EXPECT_EQ(readFile(dir / "dst"), "previous copy");
    EXPECT_EQ(readFile(temporaryNameFor(dir / "dst")).size(), static_cast<std::size_t>(chunk));
    std::int32_t flag = 0;
    ASSERT_EQ(copyFileWithProgress(dir / "src", dir / "dst", {}, flag).outcome,
              CopyOutcome::Copied);
    EXPECT_TRUE(readFile(dir / "dst") == data);
    EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"src", "dst"}));
}

TEST(FileCopySpace, FullDriveFailsAndLeavesNoPartialFile) {
    TempFolder dir;
    Tmpfs small(dir / "small", "size=1m");
    if (!small.mounted()) {
        GTEST_SKIP() << small.why();
    }
    writeAll(dir / "src", patterned(2 * 1024 * 1024));
    writeAll(dir / "small/dst", "kept");
    std::int32_t flag = 0;
    const auto result = copyFileWithProgress(dir / "src", dir / "small/dst", {}, flag);
    EXPECT_EQ(result.outcome, CopyOutcome::Failed);
    EXPECT_EQ(result.error, ENOSPC);
    EXPECT_EQ(readFile(dir / "small/dst"), "kept");
    EXPECT_EQ(namesIn(dir / "small"), (std::set<std::string>{"dst"}));
}

TEST(FileCopySpace, CopyToAnotherFileSystemGoesThroughTheBufferChunkByChunk) {
    TempFolder dir;
    Tmpfs other(dir / "other", "size=16m");
    if (!other.mounted()) {
        GTEST_SKIP() << other.why();
    }
    const std::string data = patterned(static_cast<std::size_t>(2 * chunk + 5), 7);
    writeAll(dir / "src", data);
    std::int32_t flag = 0;
    const auto run = copyRecording(dir / "src", dir / "other/dst", flag);
    ASSERT_EQ(run.result.outcome, CopyOutcome::Copied);
    EXPECT_EQ(run.reports.size(), 4U);
    EXPECT_TRUE(readFile(dir / "other/dst") == data);
}

} // namespace
