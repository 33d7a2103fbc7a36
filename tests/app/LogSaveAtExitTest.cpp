#include "app/LogSaveAtExit.h"

#include "common/TempFolder.h"
#include "state/MainWindowElements.h"
#include "support/SessionLog.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <sstream>

namespace orvane {

namespace {

class LogSaveAtExit : public ::testing::Test {
protected:
    std::string save() {
        log.AddLogEntry("New session started on 05/12/2026 @ 10:00:00");
        log.AddLogEntry("File a.txt copied");
        return SaveLogAtExit(
            log, window, logs,
            [] {
                return platform::LocalTime{2026, 12, 5};
            },
            ".", errors);
    }

    test::TempFolder temp;
    std::string logs = temp / "logs";
    std::string dayFile = logs + "/log_05_12_2026.txt";
    SessionLog log;
    MainWindowElements window;
    std::ostringstream errors;
};

TEST_F(LogSaveAtExit, WrittenFileLeavesNothingToShow) {
    EXPECT_EQ(save(), "");
    EXPECT_EQ(errors.str(), "");
    EXPECT_EQ(test::readFile(dayFile),
              "New session started on 05/12/2026 @ 10:00:00\r\nFile a.txt copied\r\n\r\n\r\n");
}

// The message names the file and the reason, and the lines follow it on standard error.
TEST_F(LogSaveAtExit, FolderThatCannotBeMadeIsShownAndTheSessionGoesToStandardError) {
    temp.write("logs", "a file where the folder should be");
    const std::string message = save();
    EXPECT_EQ(message, "orvane: cannot write the log file " + dayFile + ": Not a directory");
    EXPECT_EQ(errors.str(), message + "\norvane: the session's log follows\n"
                                      "New session started on 05/12/2026 @ 10:00:00\n"
                                      "File a.txt copied\n");
    EXPECT_TRUE(log.empty());
}

TEST_F(LogSaveAtExit, FullDiskIsShownWithItsReason) {
    if (::access("/dev/full", W_OK) != 0) {
        GTEST_SKIP() << "/dev/full is missing, so a full disk cannot be imitated";
    }
    temp.makeFolder("logs");
    ASSERT_EQ(::symlink("/dev/full", dayFile.c_str()), 0);
    EXPECT_EQ(save(), "orvane: cannot write the log file " + dayFile + ": No space left on device");
    EXPECT_NE(errors.str().find("\nFile a.txt copied\n"), std::string::npos) << errors.str();
}

} // namespace

} // namespace orvane
