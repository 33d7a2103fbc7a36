#include "support/SessionLog.h"

#include "common/TempFolder.h"
#include "state/MainWindowElements.h"
#include "support/LogFileSaver.h"
#include "support/ShownText.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

using orvane::SessionLog;
using orvane::platform::LocalTime;
using orvane::test::readFile;
using Lines = std::vector<std::string>;

namespace {

// Lines are read one-based; removal takes the first, and finds an empty log harmless. Only a
// live report echoes, and the listener hears every line.
TEST(SessionLog, KeepsLinesInOrderEchoesWhileLiveAndTellsTheListener) {
    SessionLog log;
    orvane::ListElement lstErr;
    Lines heard;
    log.setLineListener([&heard](const std::string& line) { heard.push_back(line); });
    log.attachReportList(&lstErr);
    log.AddLogEntry("first");
    log.AddLogEntry("");
    lstErr.add(log.line(1)); // the window loads what is there, then goes live
    log.ReportLive = true;
    log.AddLogEntry("third");
    ASSERT_EQ(log.count(), 3u);
    EXPECT_EQ(log.line(3), "third");
    EXPECT_THROW(log.line(0), std::out_of_range);
    EXPECT_THROW(log.line(4), std::out_of_range);
    ASSERT_EQ(lstErr.count(), 2u);
    EXPECT_EQ(lstErr.item(1), "third");
    EXPECT_EQ(lstErr.ListIndex(), 1);
    log.attachReportList(nullptr); // live without a list must not fail
    log.AddLogEntry("detached");
    EXPECT_EQ(heard, (Lines{"first", "", "third", "detached"}));
    log.removeFirst();
    EXPECT_EQ(log.line(1), "");
    for (int i = 0; i < 4; ++i) {
        log.removeFirst(); // the last call finds the log empty
    }
    EXPECT_TRUE(log.empty());
}

class SaveLogToFile : public ::testing::Test {
protected:
    void save(const Lines& lines) {
        for (const auto& line : lines) {
            log.AddLogEntry(line);
        }
        orvane::SaveLogToFile(log, window, program / "logs", clock, separator, errors);
    }
    std::string dayFile() const { return program / "logs/log_05_12_2026.txt"; }

    orvane::test::TempFolder program;
    SessionLog log;
    orvane::MainWindowElements window;
    std::function<LocalTime()> clock = [] { return LocalTime{2026, 12, 5}; };
    std::string separator = ".";
    std::ostringstream errors;
};

// Each session is appended as a block, byte for byte, followed by two empty lines: two sessions
// closed on one day share the file in order. The panel shows each step of the bar as
// "Max/Value Text", so the order of the assignments shows.
TEST_F(SaveLogToFile, AppendsEachSessionAsABlockShowingTheProgressLineByLine) {
    save({}); // an empty log makes the folder but writes no file
    EXPECT_TRUE(std::filesystem::is_directory(program / "logs"));
    EXPECT_FALSE(std::filesystem::exists(dayFile()));
    program.write("logs/log_05_12_2026.txt", "morning\r\n\r\n");
    auto& bar = window.pbSaveLog;
    bar.setValue(7);
    Lines shown;
    bar.changed.bind([&] {
        shown.push_back(std::to_string(bar.Max()) + "/" + std::to_string(bar.Value()) + " " +
                        bar.Text());
    });
    const std::string odd("caf\xe9 \xff\xfe\x80 nul:\0 end", 19);
    save({"session 1", odd, "3"});
    EXPECT_EQ(window.lblSave.caption(), "Saving log entry's to log file (log_05_12_2026.txt)");
    EXPECT_TRUE(window.fraSave.visible() && !window.cmdCancelLoad.visible());
    EXPECT_EQ(shown, (Lines{"3/7 ", "3/0 ", "3/1 ", "3/1 33.3%", "3/2 33.3%", "3/2 66.7%",
                            "3/3 66.7%", "3/3 100.0%"}));
    save({"\t session 2  "});
    EXPECT_EQ(errors.str(), "");
    EXPECT_EQ(readFile(dayFile()),
              "morning\r\n\r\nsession 1\r\ncaf\xe9 \xff\xfe\x80 nul:\\x00 end\\x00\r\n3\r\n\r\n\r\n"
              "\\t session 2  \r\n\r\n\r\n");
}

TEST_F(SaveLogToFile, SessionClosedAfterMidnightGoesToTheClosingDaysFile) {
    std::vector<LocalTime> readings{{2026, 12, 31, 23, 59, 59}, {2027, 1, 1}};
    std::size_t reads = 0;
    clock = [&] { return readings.at(reads++); };
    separator = ",";
    save({"late"});
    EXPECT_EQ(window.lblSave.caption(), "Saving log entry's to log file (log_31_12_2026.txt)");
    EXPECT_EQ(readFile(program / "logs/log_01_01_2027.txt"), "late\r\n\r\n\r\n");
    EXPECT_EQ(window.pbSaveLog.Text(), "100,0%");
}

// A name can hold any byte but "/" and NUL; a line feed in one must not start a line of its
// own. Every C0 control character and DEL is shown escaped, and so is the backslash, so the
// escaped text reads back unambiguously; every other byte stays as it is.
TEST(SessionLog, ControlCharactersAreShownEscapedSoEveryEventIsOneLine) {
    SessionLog log;
    Lines heard;
    log.setLineListener([&heard](const std::string& line) { heard.push_back(line); });
    log.AddLogEntry("File x\nMove is on, deleted the file IMPORTANT copied");
    log.AddLogEntry(std::string("a\tb\rc\x01") + "d\x1f\x7f\\e" + std::string(1, '\0') +
                    "f \xc3\xa9\x80~");
    EXPECT_EQ(heard, (Lines{"File x\\nMove is on, deleted the file IMPORTANT copied",
                            "a\\tb\\rc\\x01d\\x1f\\x7f\\\\e\\x00f \xc3\xa9\x80~"}));
    EXPECT_EQ(log.line(2), heard[1]);
    EXPECT_EQ(orvane::ShownText("Copying file a\nb"), "Copying file a\\nb");
}

} // namespace
