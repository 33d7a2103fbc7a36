#include "common/EngineHarness.h"
#include "common/PosixFixtures.h"

#include "platform/DriveSpace.h"

#include <map>

namespace orvane::test {
namespace {

using LinksAndHolesTest = EngineTest;

// Two names of one file in two folders, moved: one destination file with two names, and a
// source name deleted only when its own destination name exists.
TEST_F(LinksAndHolesTest, NamesOfOneFileStayOneFileAndAMoveDeletesANameOnlyAfterItsLink) {
    plant({"data/a/first = one file", "data/a/other = one file"}); // the same bytes, other file
    std::filesystem::create_hard_link(src("a/first"), src("b-second"));
    harness.window.mnuOptMove.setChecked(true);
    bool deletedTooEarly = false;
    harness.onYield = [&](int) {
        for (const char* name : {"a/first", "b-second"}) {
            deletedTooEarly = deletedTooEarly || (!exists(src(name)) && !exists(dst(name)));
        }
    };
    harness.runDirectMode();
    EXPECT_FALSE(deletedTooEarly);
    // Each name has its own line; the second is placed by a link and reads as a copy.
    EXPECT_EQ(inAnyOrder(harness.lines()),
              inAnyOrder({"Direct Copying on", "Dir: " + dst("a") + " created",
                          "File first copied in <t> [8 B]", "File other copied in <t> [8 B]",
                          "File b-second copied in <t> [8 B]", "Move is on, deleted the file first",
                          "Move is on, deleted the file other",
                          "Move is on, deleted the file b-second"}));
    namespace fs = std::filesystem;
    EXPECT_TRUE(fs::equivalent(dst("a/first"), dst("b-second")));
    EXPECT_EQ(std::pair(nameCount(dst("b-second")), nameCount(dst("a/other"))),
              std::pair(std::uintmax_t{2}, std::uintmax_t{1}));
    EXPECT_EQ(readFile(dst("b-second")), "one file");
}

// A copy rewritten after its turn is no longer the file's copy: the file's other name gets a
// copy of its own, not a link to the rewritten one.
TEST_F(LinksAndHolesTest, OtherNameOfAFileWhoseCopyWasRewrittenGetsACopyOfItsOwn) {
    temp.write("data/one", "one file");
    std::filesystem::create_hard_link(src("one"), src("two"));
    std::string rewritten;
    harness.log.setLineListener([&](std::string_view line) {
        if (rewritten.empty() && line.starts_with("File ")) {
            rewritten = line.substr(5, 3);
            writeAll(dst(rewritten), "rewritten");
        }
    });
    harness.runSurveyMode();
    const std::string other = rewritten == "one" ? "two" : "one";
    EXPECT_EQ(readFile(dst(rewritten)) + "|" + readFile(dst(other)), "rewritten|one file");
    EXPECT_FALSE(std::filesystem::equivalent(dst(other), dst(rewritten)));
}

// Only an entry of the source's kind and size is "allready there": whatever else stands in
// a file's place is replaced as a re-copy, never followed; a folder is never deleted for a
// file, which fails instead. A link is a link's copy.
TEST_F(LinksAndHolesTest, OnlyAFileIsAFilesCopyAndOnlyALinkALinks) {
    SKIP_ON_WINDOWS("symbolic links, a FIFO and a socket");
    plant({"data/folder = hello", "backup/data/folder/inside = kept", "data/link = hello",
           "backup/data/link -> abcde", // as long as the source
           "backup/data/abcde = the link's target", "data/sameLink -> abcde",
           "backup/data/sameLink -> abcde", "data/fifo = ", "data/sock = "});
    ASSERT_TRUE(makeFifoAndSocket(dst("fifo"), dst("sock")));
    harness.window.mnuOptMove.setChecked(true);
    std::map<std::string, std::string> reasons;
    harness.state.problemListener = [&](const std::string& path, const std::string& reason) {
        reasons[path] = reason;
    };
    harness.runSurveyMode();
    EXPECT_EQ(reasons[src("folder")], "not copied: a folder stands in its place");
    Lines expected{"#. File folder reported err: 0",
                   "#. File sameLink skipped, allready there, filesize ok",
                   "Move is on, deleted the file sameLink",
                   "Total files to copy: 5 file(s) in 1 directory(s)"};
    for (const std::string name : {"link", "fifo", "sock"}) {
        expected.push_back("#. File " + name +
                           " allready there, filesize wrong, deleted and recopied");
        expected.push_back("File " + name + " copied in <t> [" + (name == "link" ? "5" : "0") +
                           " B]");
        expected.push_back("Move is on, deleted the file " + name);
    }
    EXPECT_EQ(inAnyOrder(harness.lines()), inAnyOrder(expected));
    // Regular files where the FIFO and the socket stood.
    EXPECT_EQ(listing(destination),
              (Lines{"abcde = the link's target", "fifo = ", "folder/", "folder/inside = kept",
                     "link = hello", "sameLink -> abcde", "sock = "}));
    EXPECT_EQ(listing(source), Lines{"folder = hello"});
    EXPECT_EQ(harness.state.outcome.filesFailed, 1);
}

// Regression: a sparse disk image was refused for its size on a drive that holds its data
// many times over, and a copy that fitted took its whole size.
TEST_F(LinksAndHolesTest, SparseFileNeedsOnlyItsDataOnASmallDriveAndKeepsItsHoles) {
    Tmpfs drive(temp / "backup", "size=4m");
    if (!drive.mounted()) {
        GTEST_SKIP() << drive.why();
    }
    temp.makeFolder("backup/data");
    const std::int64_t size = 64 << 20;
    writeAll(src("disk.img"), "boot");
    std::filesystem::resize_file(src("disk.img"), size);
    std::fstream(src("disk.img"), std::ios::in | std::ios::out).seekp(size / 2) << "middle";
    if (allocatedBytes(src("disk.img")) >= size) {
        GTEST_SKIP() << "the source's file system does not keep holes";
    }
    writeAll(src("full.bin"), patterned(5 << 20)); // its size is what it needs
    harness.runSurveyMode();
    const Lines lines = inAnyOrder(harness.lines());
    ASSERT_EQ(lines.size(), 3u);
    // The size text is the file's size, not what it takes.
    EXPECT_EQ(lines[1], "File disk.img copied in <t> [64.0 MB]");
    EXPECT_EQ(lines[2], "Total files to copy: 2 file(s) in 1 directory(s)");
    EXPECT_TRUE(lines[0].starts_with("#. Cannot copy: " + src("full.bin") + " [5.0 MB ]"))
        << lines[0];
    EXPECT_LT(allocatedBytes(dst("disk.img")), 1 << 20);
    EXPECT_EQ(std::system(("cmp '" + src("disk.img") + "' '" + dst("disk.img") + "'").c_str()), 0);
}

} // namespace
} // namespace orvane::test
