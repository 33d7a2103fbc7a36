#include "common/EngineHarness.h"

#include "platform/DriveSpace.h"
#include "support/FormatSize.h"

#include <sys/stat.h>

namespace orvane::test {
namespace {

struct stat statOf(const std::string& path) {
    struct stat info {};
    ::lstat(path.c_str(), &info);
    return info;
}

class LinksAndHolesTest : public EngineTest {};

// Two names of one file in two folders, moved: one destination file with two names, and a
// source name deleted only when its own destination name exists.
TEST_F(LinksAndHolesTest, NamesOfOneFileStayOneFileAndAMoveDeletesANameOnlyAfterItsLink) {
    temp.write("data/a/first", "one file");
    std::filesystem::create_hard_link(src("a/first"), src("b-second"));
    temp.write("data/a/other", "one file"); // the same bytes, but another file
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
    EXPECT_EQ(
        inAnyOrder(harness.lines()),
        inAnyOrder({"Dir: " + dst("a") + " created", "File first copied in <t> [8 B]",
                    "File other copied in <t> [8 B]", "File b-second copied in <t> [8 B]",
                    "Move is on, deleted the file first", "Move is on, deleted the file other",
                    "Move is on, deleted the file b-second"}));
    EXPECT_EQ(statOf(dst("a/first")).st_ino, statOf(dst("b-second")).st_ino);
    EXPECT_EQ(statOf(dst("b-second")).st_nlink, 2u);
    EXPECT_EQ(statOf(dst("a/other")).st_nlink, 1u);
    EXPECT_EQ(readFile(dst("b-second")), "one file");
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
    std::fstream(src("disk.img"), std::ios::in | std::ios::out | std::ios::binary).seekp(size / 2)
        << "middle";
    if (statOf(src("disk.img")).st_blocks * 512 >= size) {
        GTEST_SKIP() << "the source's file system does not keep holes";
    }
    writeAll(src("full.bin"), patterned(5 << 20)); // its size is what it needs
    harness.runSurveyMode();
    const Lines lines = inAnyOrder(harness.lines());
    ASSERT_EQ(lines.size(), 2u);
    // The size text is the file's size, not what it takes.
    EXPECT_EQ(lines[1], "File disk.img copied in <t> [64.0 MB]");
    EXPECT_TRUE(lines[0].starts_with("#. Cannot copy: " + src("full.bin") + " [5.0 MB ]"))
        << lines[0];
    EXPECT_LT(statOf(dst("disk.img")).st_blocks * 512, 1 << 20);
    EXPECT_EQ(std::system(("cmp '" + src("disk.img") + "' '" + dst("disk.img") + "'").c_str()), 0);
}

} // namespace
} // namespace orvane::test
