#include "platform/AppendFile.h"

#include "common/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/stat.h>

using orvane::platform::AppendFile;
using orvane::test::readFile;
using orvane::test::TempFolder;

namespace {

TEST(AppendFile, CreatesWithModeLessUmaskAndClosesOnScopeExit) {
    TempFolder folder;
    const std::string path = folder / "new.txt";
    const mode_t previous = ::umask(027);
    {
        AppendFile file(path);
        EXPECT_TRUE(file.write(std::string("a\0b", 3)));
    }
    ::umask(previous);
    EXPECT_EQ(readFile(path), std::string("a\0b", 3));
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(AppendFile, KeepsTheFirstWriteErrorThroughClose) {
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "/dev/full is needed to make a write fail";
    }
    AppendFile file("/dev/full");
    ASSERT_TRUE(file.isOpen());
    EXPECT_FALSE(file.failed());
    EXPECT_EQ(file.failureReason(), "");
    EXPECT_FALSE(file.write("x"));
    EXPECT_FALSE(file.write("y"));
    EXPECT_FALSE(file.close());
    EXPECT_EQ(file.failureReason(), "No space left on device");
}

} // namespace
