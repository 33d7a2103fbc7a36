#include "app/LogSaveAtExit.h"

#include "common/CopyFixtures.h"
#include "common/TempFolder.h"
#include "state/MainWindowElements.h"
#include "support/SessionLog.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <sstream>
#include <utility>

namespace orvane {

namespace {

using Shown = std::pair<std::string, std::string>; // the message, and standard error

// Saves a two-line session of 5 December 2026 into the folder `logs` at exit.
Shown saveAtExit(const std::string& logs) {
    SessionLog log;
    log.AddLogEntry("New session started on 05/12/2026 @ 10:00:00");
    log.AddLogEntry("File a.txt copied");
    MainWindowElements window;
    std::ostringstream errors;
    std::string message = SaveLogAtExit(
        log, window, logs,
        [] {
            return platform::LocalTime{2026, 12, 5};
        },
        ".", errors);
    EXPECT_TRUE(log.empty());
    return {message, errors.str()};
}

// The message that names the day's file in `logs` and the reason, then the session's lines.
Shown failureShown(const std::string& logs, const std::string& reason) {
    const std::string message =
        "orvane: cannot write the log file " + logs + "/log_05_12_2026.txt: " + reason;
    return {message, message + "\norvane: the session's log follows\n"
                               "New session started on 05/12/2026 @ 10:00:00\n"
                               "File a.txt copied\n"};
}

} // namespace

// A written file leaves nothing to show. Otherwise the message names the file and the reason,
// and the session's lines follow it on standard error.
TEST(LogSaveAtExit, FailureIsShownWithItsReasonAndTheSessionGoesToStandardError) {
    const test::TempFolder temp;
    EXPECT_EQ(saveAtExit(temp / "written"), Shown("", ""));
    temp.write("blocked", "a file where the folder should be");
    EXPECT_EQ(saveAtExit(temp / "blocked"), failureShown(temp / "blocked", "Not a directory"));
    // A full drive of its own: the day's file is never written through a link, so a link to
    // /dev/full cannot stand in for one.
    const std::string full = temp.makeFolder("full");
    test::Tmpfs drive(full, "size=4k");
    if (!drive.mounted()) {
        GTEST_SKIP() << drive.why();
    }
    temp.write("full/filler", std::string(4096, 'f'));
    EXPECT_EQ(saveAtExit(full), failureShown(full, "No space left on device"));
}

} // namespace orvane
