#include "support/LogFileSaver.h"

#include "common/TempFolder.h"
#include "state/MainWindowElements.h"
#include "support/SessionLog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

using orvane::MainWindowElements;
using orvane::SessionLog;
using orvane::platform::LocalTime;
using orvane::test::readFile;
using orvane::test::TempFolder;

namespace {

constexpr LocalTime fifthOfDecember{2026, 12, 5, 17, 30, 0};

SessionLog logOf(const std::vector<std::string>& lines) {
    SessionLog log;
    for (const auto& line : lines) {
        log.AddLogEntry(line);
    }
    return log;
}

// A save on a fixed day with a point separator; returns what went to the error stream.
std::string save(SessionLog& log, const std::string& programFolder, MainWindowElements& window) {
    std::ostringstream errors;
    orvane::SaveLogToFile(
        log, window, programFolder, [] { return fifthOfDecember; }, '.', errors);
    return errors.str();
}

std::string save(SessionLog& log, const std::string& programFolder) {
    MainWindowElements window;
    return save(log, programFolder, window);
}

TEST(SaveLogToFile, ShowsPanelAndProgressLineByLine) {
    TempFolder program;
    SessionLog log = logOf({"one", "two", "three"});
    MainWindowElements window;
    auto& bar = window.pbSaveLog;
    bar.setValue(7);
    // Each change as "Max/Value Text", so the order of the assignments shows.
    std::vector<std::string> shown;
    bar.changed.bind([&] {
        shown.push_back(std::to_string(bar.Max()) + "/" + std::to_string(bar.Value()) + " " +
                        bar.Text());
    });

    EXPECT_EQ(save(log, program.path(), window), "");

    EXPECT_EQ(window.lblSave.caption(), "Saving log entry's to log file (log_05_12_2026.txt)");
    EXPECT_TRUE(window.fraSave.visible());
    EXPECT_FALSE(window.cmdCancelLoad.visible());
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(shown, (std::vector<std::string>{"3/7 ", "3/0 ", "3/1 ", "3/1 33.3%", "3/2 33.3%",
                                               "3/2 66.7%", "3/3 66.7%", "3/3 100.0%"}));
}

TEST(SaveLogToFile, SameDaySavesShareOneFileInOrder) {
    TempFolder program;
    SessionLog first = logOf({"session 1", "----"});
    SessionLog second = logOf({"session 2"});
    EXPECT_EQ(save(first, program.path()), "");
    EXPECT_EQ(save(second, program.path()), "");
    EXPECT_EQ(readFile(program / "logs/log_05_12_2026.txt"),
              "session 1\r\n----\r\n\r\nsession 2\r\n\r\n");
}

TEST(SaveLogToFile, ExistingFileAndFolderAreKept) {
    TempFolder program;
    program.makeFolder("logs");
    program.write("logs/other.txt", "untouched");
    program.write("logs/log_05_12_2026.txt", "morning\r\n\r\n");
    SessionLog log = logOf({"evening"});
    EXPECT_EQ(save(log, program.path()), "");
    EXPECT_EQ(readFile(program / "logs/log_05_12_2026.txt"), "morning\r\n\r\nevening\r\n\r\n");
    EXPECT_EQ(readFile(program / "logs/other.txt"), "untouched");
}

TEST(SaveLogToFile, SessionClosedAfterMidnightGoesToTheClosingDaysFile) {
    TempFolder program;
    SessionLog log = logOf({"late"});
    MainWindowElements window;
    std::vector<LocalTime> readings{{2026, 12, 31, 23, 59, 59}, {2027, 1, 1, 0, 0, 0}};
    std::size_t reads = 0;
    std::ostringstream errors;
    orvane::SaveLogToFile(
        log, window, program.path(), [&] { return readings.at(reads++); }, ',', errors);
    EXPECT_EQ(reads, 2u);
    EXPECT_EQ(window.lblSave.caption(), "Saving log entry's to log file (log_31_12_2026.txt)");
    EXPECT_EQ(readFile(program / "logs/log_01_01_2027.txt"), "late\r\n\r\n");
    EXPECT_FALSE(std::filesystem::exists(program / "logs/log_31_12_2026.txt"));
    EXPECT_EQ(window.pbSaveLog.Text(), "100,0%");
}

TEST(SaveLogToFile, LinesAreWrittenByteForByte) {
    TempFolder program;
    const std::string odd("caf\xe9 \xff\xfe\x80 nul:\0 end", 19);
    SessionLog log = logOf({odd, "\t trailing blanks  "});
    EXPECT_EQ(save(log, program.path()), "");
    EXPECT_EQ(readFile(program / "logs/log_05_12_2026.txt"),
              odd + "\r\n\t trailing blanks  \r\n\r\n");
}

TEST(SaveLogToFile, UnwritableLogsFolderIsReportedAndTheLogStillEmptied) {
    TempFolder program;
    program.write("logs", "a file where the folder should be");
    SessionLog log = logOf({"lost", "lines"});
    MainWindowElements window;
    EXPECT_EQ(save(log, program.path(), window), "orvane: cannot write the log file " +
                                                     program.path() +
                                                     "/logs/log_05_12_2026.txt: Not a directory\n");
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(window.pbSaveLog.Text(), "100.0%");
    EXPECT_EQ(readFile(program / "logs"), "a file where the folder should be");
}

TEST(SaveLogToFile, EmptyLogWritesNoFile) {
    TempFolder program;
    SessionLog log;
    MainWindowElements window;
    EXPECT_EQ(save(log, program.path(), window), "");
    EXPECT_EQ(window.pbSaveLog.Max(), 0);
    EXPECT_TRUE(std::filesystem::is_directory(program / "logs"));
    EXPECT_FALSE(std::filesystem::exists(program / "logs/log_05_12_2026.txt"));
}

} // namespace
