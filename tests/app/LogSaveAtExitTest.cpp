#include "app/LogSaveAtExit.h"

#include "common/CopyFixtures.h"
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
    // A full drive of its own: the day's file is never written through a link, so a link to
    // /dev/full cannot stand in for one.
    test::Tmpfs drive(logs, "size=4k");
    if (!drive.mounted()) {
        GTEST_SKIP() << drive.why();
    }
    temp.write("logs/filler", std::string(4096, 'f'));
    EXPECT_EQ(save(), "orvane: cannot write the log file " + dayFile + ": No space left on device");
    EXPECT_NE(errors.str().find("\nFile a.txt copied\n"), std::string::npos) << errors.str();
}

} // namespace

} // namespace orvane
