#include "platform/posix/KeptPartial.h"
#include "platform/FileCopy.h"

#include "common/CopyFixtures.h"

#include <gtest/gtest.h>

#include <sys/file.h>
#include <sys/wait.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <thread>

using namespace orvane::platform;
using namespace orvane::test;

namespace {

constexpr std::int64_t MiB = 1024 * 1024;
const std::int64_t large = KeptPartial::keptFromBytes + 8 * MiB;

// Made once: the same large content serves every test.
const std::string& sourceBytes(std::int64_t size) {
    static std::map<std::int64_t, std::string> made;
    auto [at, added] = made.try_emplace(size);
    if (added) {
        at->second = patterned(static_cast<std::size_t>(size));
    }
    return at->second;
}

struct Outcome {
    CopyOutcome outcome = CopyOutcome::Failed;
    // The part the copy did not copy again; -1 when it started from the first byte.
    std::int64_t resumed = -1;
};

// One copy in chunks of 1 MiB of `from` to dst/big; `onChunk` sees the bytes reported so far
// and may raise the flag.
Outcome copyLarge(const TempFolder& dir,
                  const std::function<void(std::int64_t, std::int32_t&)>& onChunk = {},
                  const std::string& from = "src/big") {
    setCopyChunkForTests(MiB);
    Outcome seen;
    std::int32_t flag = 0;
    const CopyProgress progress = [&](const CopyReport& r) {
        seen.resumed = r.reason == CopyReason::Resumed ? r.transferred : seen.resumed;
        if (r.reason == CopyReason::ChunkFinished && onChunk) {
            onChunk(r.transferred, flag);
        }
    };
    seen.outcome = copyFileWithProgress(dir / from, dir / "dst/big", progress, flag).outcome;
    setCopyChunkForTests(0);
    return seen;
}

void appendTo(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::app) << text;
}

// Stops the copy once `bytes` are reported; `atChunk` sees every chunk's report before.
Outcome stopAtOr(const TempFolder& dir, std::int64_t bytes,
                 const std::function<void(std::int64_t)>& atChunk) {
    return copyLarge(dir, [&](std::int64_t done, std::int32_t& flag) {
        atChunk(done);
        flag = done >= bytes ? 1 : flag;
    });
}

Outcome stopAt(const TempFolder& dir, std::int64_t bytes) {
    return stopAtOr(dir, bytes, [](std::int64_t) {});
}

// The copy's destination holds the source's bytes and nothing else is left beside it.
void expectCompleteCopy(const TempFolder& dir) {
    EXPECT_EQ(readFile(dir / "dst/big"), readFile(dir / "src/big"));
    EXPECT_EQ(namesIn(dir / "dst"), std::set<std::string>{"big"});
}

struct LargeSource : TempFolder {
    LargeSource() {
        write("src/big", sourceBytes(large));
        makeFolder("dst");
    }
};

} // namespace

TEST(KeptPartial, ACopyCutShortIsContinuedWhereItStoppedAndNeverShowsUnderItsName) {
    // Bytes past the recorded part, as a crash leaves those that never reached the disk.
    const struct {
        bool unnamed;
        std::string pastTheRecord;
    } cases[] = {{true, ""}, {false, ""}, {true, std::string(20 * MiB, 'x')}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "unnamed temporaries " << c.unnamed << ", "
                                        << c.pastTheRecord.size() << " bytes past the record");
        TemporaryKind kind(c.unnamed);
        LargeSource dir;
        ASSERT_EQ(stopAt(dir, 8 * MiB).outcome, CopyOutcome::Cancelled);
        for (const auto& name : namesIn(dir / "dst")) {
            EXPECT_EQ(name.front(), '.') << name << " would look like a finished file";
        }
        appendTo(dir / "dst/.big.orvane-resume", c.pastTheRecord);
        const Outcome resumed = copyLarge(dir);
        EXPECT_EQ(resumed.outcome, CopyOutcome::Copied);
        EXPECT_EQ(resumed.resumed, 8 * MiB);
        expectCompleteCopy(dir);
    }
}

TEST(KeptPartial, ASmallFileCutShortLeavesNothing) {
    TempFolder dir;
    dir.write("src/big", patterned(static_cast<std::size_t>(KeptPartial::keptFromBytes - 1)));
    dir.makeFolder("dst");
    ASSERT_EQ(stopAt(dir, 2 * MiB).outcome, CopyOutcome::Cancelled);
    EXPECT_TRUE(namesIn(dir / "dst").empty());
}

// What happened between the two copies, to the source or to the partial: each time the second
// copy starts from the first byte and places the source as it is now.
TEST(KeptPartial, APartialThatNoLongerMatchesItsSourceIsCopiedAgainFromTheStart) {
    const struct {
        const char* what;
        std::function<void(const TempFolder&)> change;
    } cases[] = {
        {"source appended", [](auto& dir) { appendTo(dir / "src/big", "more"); }},
        {"source truncated",
         [](auto& dir) { std::filesystem::resize_file(dir / "src/big", large - MiB); }},
        {"source rewritten, same size",
         [](auto& dir) { dir.write("src/big", patterned(static_cast<std::size_t>(large), 7)); }},
        {"source rewritten before its last chunk",
         [](auto& dir) { flipByte(dir / "src/big", MiB); }},
        {"last byte kept changed",
         [](auto& dir) { flipByte(dir / "dst/.big.orvane-resume", 8 * MiB - 1); }},
        {"first byte kept changed", [](auto& dir) { flipByte(dir / "dst/.big.orvane-resume", 0); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        LargeSource dir;
        ASSERT_EQ(stopAt(dir, 8 * MiB).outcome, CopyOutcome::Cancelled);
        c.change(dir);
        const Outcome again = copyLarge(dir);
        EXPECT_EQ(again.outcome, CopyOutcome::Copied);
        EXPECT_EQ(again.resumed, -1);
        expectCompleteCopy(dir);
    }
}

// What this copy cannot prove its own partial of this source stays as it is, and the copy
// starts from the first byte: a partial another run holds, a user's files named like a partial
// and like its record, a record torn by a crash, and the partial and record of a copy from
// another folder, which came here as files of a folder being copied or moved.
TEST(KeptPartial, APartialItCannotProveItsOwnIsLeftAsItIs) {
    const std::string partial = "dst/.big.orvane-resume", record = partial + "-record";
    const struct {
        const char* what;
        std::function<void(LargeSource&)> leave;
        bool held = false;
    } cases[] = {
        {"held by another run", [](auto& dir) { stopAt(dir, 8 * MiB); }, true},
        {"a user's file under the partial's name",
         [&](auto& dir) {
             dir.write(partial, "my notes");
             stopAt(dir, 8 * MiB);
         }},
        {"a user's files under both names",
         [&](auto& dir) {
             dir.write(partial, "my notes");
             dir.write(record, "my other notes");
             stopAt(dir, 8 * MiB);
         }},
        {"a torn record",
         [&](auto& dir) {
             stopAt(dir, 8 * MiB);
             flipByte(dir / record, 30);
         }},
        {"a copy from another folder",
         [](auto& dir) {
             dir.write("elsewhere/big", sourceBytes(large));
             copyLarge(
                 dir, [](std::int64_t done, std::int32_t& flag) { flag = done >= 8 * MiB; },
                 "elsewhere/big");
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        LargeSource dir;
        c.leave(dir);
        const std::string left = readFile(dir / partial) + "|" + readFile(dir / record);
        auto names = namesIn(dir / "dst");
        const FileDescriptor held(::open((dir / record).c_str(), O_RDONLY));
        ASSERT_TRUE(!c.held || ::flock(held.get(), LOCK_EX) == 0);

        const Outcome again = copyLarge(dir);
        EXPECT_EQ(std::pair(again.outcome, again.resumed), std::pair(CopyOutcome::Copied, -1L));
        EXPECT_EQ(readFile(dir / "dst/big"), readFile(dir / "src/big"));
        EXPECT_TRUE(readFile(dir / partial) + "|" + readFile(dir / record) == left);
        names.insert("big");
        EXPECT_EQ(namesIn(dir / "dst"), names);
    }
}

// A copy cut short 12 MiB past 64 MiB. Killed, it leaves the record of the last whole piece it
// started writing; stopped, it records all it copied. A crash may cost the bytes past the part made
// durable, and only what reads back as the source's is trusted there. The copy makes its
// progress durable every 64 MiB once two seconds have passed since the last time, not before:
// a copy that the page cache takes at memory speed does not wait for the disk every 64 MiB.
TEST(KeptPartial, ACopyCutShortMidFileIsContinuedFromWhatItRecordedAndReadsBackRight) {
    TempFolder dir;
    const std::int64_t size = KeptPartial::recordEveryBytes + 16 * MiB;
    const std::int64_t cut = KeptPartial::recordEveryBytes + 12 * MiB;
    dir.write("src/big", sourceBytes(size));
    dir.makeFolder("dst");
    const std::string partial = "dst/.big.orvane-resume";
    const struct {
        bool slow, killed;
        std::string changed; // a byte of it flipped after the cut
        std::int64_t at, resumed;
        bool timesSetBack = false; // as editors, sync tools and `rsync -t` leave a rewrite
    } cases[] = {
        {false, true, "", 0, cut - cut % KeptPartial::writeEveryBytes},
        {false, false, partial, cut - 6 * MiB, -1},
        {true, false, partial, cut - 6 * MiB, KeptPartial::recordEveryBytes},
        // Rewritten in place below the durable part's checked end: only its times tell, and
        // with those set back, only its status change time.
        {true, false, "src/big", 10 * MiB, -1},
        {true, false, "src/big", 10 * MiB, -1, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.slow ? "two seconds before 64 MiB, " : "at once, ")
                                        << (c.killed ? "killed" : "stopped, ") << c.changed
                                        << (c.timesSetBack ? ", times set back" : ""));
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            stopAtOr(dir, cut, [&c](std::int64_t done) {
                if (c.slow && done == 32 * MiB) {
                    std::this_thread::sleep_for(KeptPartial::recordEveryTime);
                }
                if (c.killed && done >= cut) {
                    ::raise(SIGKILL);
                }
            });
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_EQ(WIFSIGNALED(status), c.killed);
        struct stat before {};
        ASSERT_EQ(::stat((dir / "src/big").c_str(), &before), 0);
        if (!c.changed.empty()) {
            flipByte(dir / c.changed, c.at);
        }
        const timespec times[] = {before.st_atim, before.st_mtim};
        ASSERT_TRUE(!c.timesSetBack ||
                    ::utimensat(AT_FDCWD, (dir / c.changed).c_str(), times, 0) == 0);
        const Outcome resumed = copyLarge(dir);
        EXPECT_EQ(resumed.outcome, CopyOutcome::Copied);
        EXPECT_EQ(resumed.resumed, c.resumed);
        expectCompleteCopy(dir);
        std::filesystem::remove(dir / "dst/big");
    }
}
