#include "app/LogSaveAtExit.h"

#include "common/CopyFixtures.h"
#include "common/PosixFixtures.h"
#include "platform/ErrorText.h"
#include "state/MainWindowElements.h"
#include "support/SessionLog.h"

#include <gtest/gtest.h>

#include <sstream>

namespace orvane {

// A two-line session of 5 December 2026 saved at exit into a logs folder: one written, one
// that is a file, one on a full drive of its own (the day's file is never written through a
// link, so a link to /dev/full cannot stand in for one). A written file leaves nothing to
// show; otherwise the message names the file and the reason, and the session's lines follow
// it on standard error.
TEST(LogSaveAtExit, FailureIsShownWithItsReasonAndTheSessionGoesToStandardError) {
    const test::TempFolder temp;
    temp.write("blocked", "a file where the folder should be");
    const test::Tmpfs drive(temp.makeFolder("full"), "size=4k");
    if (drive.mounted()) {
        temp.write("full/filler", std::string(4096, 'f'));
    }
    // Windows tells a path through a file by its error 3, "path not found", in its own words.
    const std::string throughFile = test::kOnWindows
                                        ? platform::errorText({platform::ErrorKind::NotFound, 3})
                                        : "Not a directory";
    const struct {
        std::string folder, reason;
    } cases[] = {{"written", ""}, {"blocked", throughFile}, {"full", "No space left on device"}};
    for (const auto& [folder, reason] : cases) {
        SCOPED_TRACE(folder);
        if (folder == "full" && !drive.mounted()) {
            continue; // a tmpfs needs root
        }
        SessionLog log;
        log.AddLogEntry("New session started on 05/12/2026 @ 10:00:00");
        log.AddLogEntry("File a.txt copied");
        MainWindowElements window;
        std::ostringstream errors;
        const auto today = [] { return platform::LocalTime{2026, 12, 5}; };
        std::string message, shown;
        if (!reason.empty()) {
            message = "orvane: cannot write the log file " +
                      temp / (folder + "/log_05_12_2026.txt") + ": " + reason;
            shown = message + "\norvane: the session's log follows\n" +
                    "New session started on 05/12/2026 @ 10:00:00\nFile a.txt copied\n";
        }
        EXPECT_EQ(SaveLogAtExit(log, window, temp / folder, today, ".", errors), message);
        EXPECT_EQ(errors.str(), shown);
        EXPECT_TRUE(log.empty());
    }
}

} // namespace orvane
