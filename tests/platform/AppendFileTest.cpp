#include "platform/AppendFile.h"

#include "common/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using orvane::platform::AppendFile;

TEST(AppendFile, AppendsToWhatIsThereAndCreatesWithModeLessUmask) {
    orvane::test::TempFolder folder;
    const std::string old = folder.write("old.txt", "old ");
    const mode_t previous = ::umask(027);
    EXPECT_TRUE(AppendFile(old).write(std::string("a\0b", 3)) &&
                AppendFile(folder / "new").write(""));
    ::umask(previous);
    EXPECT_EQ(orvane::test::readFile(old), std::string("old a\0b", 7));
    struct stat info {};
    EXPECT_TRUE(::stat((folder / "new").c_str(), &info) == 0 && (info.st_mode & 0777) == 0640);
}

TEST(AppendFile, KeepsTheFirstWriteErrorThroughClose) {
    AppendFile file("/dev/full");
    ASSERT_TRUE(file.isOpen() && !file.failed() && file.failureReason().empty());
    EXPECT_FALSE(file.write("x") || file.write("y") || file.close());
    EXPECT_EQ(file.failureReason(), "No space left on device");
}
