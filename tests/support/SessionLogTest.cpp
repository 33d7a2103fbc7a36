#include "support/SessionLog.h"

#include "common/TempFolder.h"
#include "state/ListElement.h"
#include "state/MainWindowElements.h"
#include "support/LogFileSaver.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

using orvane::SessionLog;
using orvane::platform::LocalTime;
using orvane::test::readFile;

namespace {

TEST(SessionLog, KeepsLinesInOrderWithOneBasedAccessAndRemovesFromTheFront) {
    SessionLog log;
    for (const char* line : {"first", "", "third"}) {
        log.AddLogEntry(line);
    }
    ASSERT_EQ(log.count(), 3u);
    EXPECT_EQ(log.line(1), "first");
    EXPECT_EQ(log.line(3), "third");
    EXPECT_THROW(log.line(0), std::out_of_range);
    EXPECT_THROW(log.line(4), std::out_of_range);
    log.removeFirst();
    EXPECT_EQ(log.line(1), "");
    for (int i = 0; i < 3; ++i) {
        log.removeFirst(); // the last call finds the log empty
    }
    EXPECT_TRUE(log.empty());
}

TEST(SessionLog, EchoesOnlyWhileTheReportIsLiveAndTellsTheListenerEveryLine) {
    SessionLog log;
    orvane::ListElement lstErr;
    std::vector<std::string> heard;
    log.setLineListener([&heard](const std::string& line) { heard.push_back(line); });
    log.attachReportList(&lstErr);
    log.AddLogEntry("closed"); // not echoed: the report is not live
    // The window loads what is there, then goes live.
    lstErr.add(log.line(1));
    log.ReportLive = true;
    log.AddLogEntry("second");
    log.AddLogEntry("third");
    ASSERT_EQ(lstErr.count(), 3u);
    EXPECT_EQ(lstErr.item(2), "third");
    EXPECT_EQ(lstErr.ListIndex(), 2);
    // Live without a list to echo into must not fail.
    log.attachReportList(nullptr);
    log.AddLogEntry("detached");
    EXPECT_EQ(heard, (std::vector<std::string>{"closed", "second", "third", "detached"}));
}

class SaveLogToFile : public ::testing::Test {
protected:
    // Adds the lines to the session log and saves it.
    void save(const std::vector<std::string>& lines) {
        for (const auto& line : lines) {
            log.AddLogEntry(line);
        }
        orvane::SaveLogToFile(log, window, program.path(), clock, separator, errors);
    }
    std::string dayFile() const { return program / "logs/log_05_12_2026.txt"; }

    orvane::test::TempFolder program;
    SessionLog log;
    orvane::MainWindowElements window;
    std::function<LocalTime()> clock = [] { return LocalTime{2026, 12, 5}; };
    char separator = '.';
    std::ostringstream errors;
};

TEST_F(SaveLogToFile, ShowsThePanelAndTheProgressLineByLine) {
    auto& bar = window.pbSaveLog;
    bar.setValue(7);
    // Each change as "Max/Value Text", so the order of the assignments shows.
    std::vector<std::string> shown;
    bar.changed.bind([&] {
        shown.push_back(std::to_string(bar.Max()) + "/" + std::to_string(bar.Value()) + " " +
                        bar.Text());
    });
    save({"one", "two", "three"});
    EXPECT_EQ(errors.str(), "");
    EXPECT_EQ(window.lblSave.caption(), "Saving log entry's to log file (log_05_12_2026.txt)");
    EXPECT_TRUE(window.fraSave.visible());
    EXPECT_FALSE(window.cmdCancelLoad.visible());
    EXPECT_EQ(shown, (std::vector<std::string>{"3/7 ", "3/0 ", "3/1 ", "3/1 33.3%", "3/2 33.3%",
                                               "3/2 66.7%", "3/3 66.7%", "3/3 100.0%"}));
}

TEST_F(SaveLogToFile, AppendsEachSessionAsABlockByteForByte) {
    save({}); // an empty log makes the folder but writes no file
    EXPECT_TRUE(std::filesystem::is_directory(program / "logs"));
    EXPECT_FALSE(std::filesystem::exists(dayFile()));
    program.write("logs/log_05_12_2026.txt", "morning\r\n\r\n");
    const std::string odd("caf\xe9 \xff\xfe\x80 nul:\0 end", 19);
    save({"session 1", odd});
    save({"\t session 2  "});
    EXPECT_EQ(errors.str(), "");
    EXPECT_EQ(readFile(dayFile()),
              "morning\r\n\r\nsession 1\r\n" + odd + "\r\n\r\n\t session 2  \r\n\r\n");
}

TEST_F(SaveLogToFile, SessionClosedAfterMidnightGoesToTheClosingDaysFile) {
    std::vector<LocalTime> readings{{2026, 12, 31, 23, 59, 59}, {2027, 1, 1}};
    std::size_t reads = 0;
    clock = [&] { return readings.at(reads++); };
    separator = ',';
    save({"late"});
    EXPECT_EQ(window.lblSave.caption(), "Saving log entry's to log file (log_31_12_2026.txt)");
    EXPECT_EQ(readFile(program / "logs/log_01_01_2027.txt"), "late\r\n\r\n");
    EXPECT_EQ(window.pbSaveLog.Text(), "100,0%");
}

TEST_F(SaveLogToFile, UnwritableLogsFolderIsReportedAndTheLogStillEmptied) {
    program.write("logs", "a file where the folder should be");
    save({"lost", "lines"});
    EXPECT_EQ(errors.str(),
              "orvane: cannot write the log file " + dayFile() + ": Not a directory\n");
    EXPECT_TRUE(log.empty());
}

} // namespace
