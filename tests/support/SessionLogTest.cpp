#include "support/SessionLog.h"

#include "common/CopyFixtures.h"
#include "common/PosixFixtures.h"
#include "common/System.h"
#include "state/MainWindowElements.h"
#include "support/LogFileSaver.h"
#include "support/SessionJournal.h"
#include "support/ShownText.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <sstream>

using namespace orvane;
using platform::LocalTime;
using test::exists;
using test::readFile;
using Lines = std::vector<std::string>;

namespace {

const std::string kClosing = std::string(kUnclosedSessionLine) + "\r\n\r\n\r\n";

// The journals the logs folder holds.
std::set<std::string> journalsIn(const std::string& logs) {
    std::set<std::string> journals;
    for (const auto& name : test::namesIn(logs)) {
        if (name.ends_with(".journal")) {
            journals.insert((std::filesystem::path(logs) / name).string());
        }
    }
    return journals;
}

// A journal last written at noon, local time, of that day of December 2026.
void writeJournal(test::TempFolder& program, const std::string& name, const std::string& bytes,
                  int day) {
    std::tm noon{};
    noon.tm_year = 2026 - 1900;
    noon.tm_mon = 11;
    noon.tm_mday = day;
    noon.tm_hour = 12;
    noon.tm_isdst = -1;
    const auto time = std::chrono::system_clock::from_time_t(std::mktime(&noon));
    std::filesystem::last_write_time(program.write("logs/" + name, bytes),
                                     std::chrono::file_clock::from_sys(time));
}

// A name can hold any byte but "/" and NUL: every C0 control character, DEL, the backslash
// and the C1 controls (in UTF-8, and as stray bytes 0x80 to 0x9F that a terminal reading 8-bit
// text obeys) are shown escaped, so each event is one line that reads back unambiguously and
// steers no terminal; every other byte stays, UTF-8 or not. The listener hears each line as it
// is kept. Where the backslash separates folders (Windows), a path shows its separators once.
TEST(SessionLog, ShowsEachEventEscapedOnOneLineAndTellsTheListener) {
    SessionLog log;
    Lines heard;
    log.setLineListener([&heard](std::string_view line) { heard.emplace_back(line); });
    log.AddLogEntry("File x\nMove is on, deleted the file IMPORTANT copied");
    log.AddLogEntry("a\tb\rc\x01"
                    "d\x1f\x7f\\e" +
                    std::string(1, '\0') + "f \xc3\xa9\x80~");
    // CSI, NEL and the string terminator as characters; a stray CSI; a no-break space, a
    // euro sign and a four-byte character; Latin-1 e-acute; a character cut short.
    log.AddLogEntry("\xc2\x9b"
                    "2J\xc2\x85\xc2\x9c|\x9b"
                    "0m|\xc2\xa0\xe2\x82\xac\xf0\x9f\x93\x81|\xe9|\xe2\x80|");
    const std::string backslash = test::kOnWindows ? "\\" : "\\\\"; // the separator there
    const Lines shown{
        "File x\\nMove is on, deleted the file IMPORTANT copied",
        "a\\tb\\rc\\x01d\\x1f\\x7f" + backslash + "e\\x00f \xc3\xa9\\x80~",
        "\\xc2\\x9b2J\\xc2\\x85\\xc2\\x9c|\\x9b0m|\xc2\xa0\xe2\x82\xac\xf0\x9f\x93\x81|\xe9|"
        "\xe2\\x80|"};
    EXPECT_EQ(heard, shown);
    EXPECT_EQ(log.line(2), shown[1]);
    EXPECT_EQ(ShownText("C:\\Backup\\a\tb", platform::PathRules(platform::PathStyle::Windows)),
              "C:\\Backup\\a\\tb");
}

// Each session is appended as a block, byte for byte, followed by two empty lines: two sessions
// closed on one day share the file in order, and one closed after midnight goes to the closing
// day's file. The panel shows each step of the bar as "Max/Value Text", so the order of the
// assignments shows. The journal holds every line as soon as it is logged, zero bytes after the
// last, until a save reaches the day's file.
TEST(SaveLogToFile, AppendsEachSessionAsABlockShowingTheProgressLineByLine) {
    test::TempFolder program;
    const std::string logs = program / "logs", dayFile = program / "logs/log_05_12_2026.txt";
    SessionLog log;
    MainWindowElements window;
    std::function<LocalTime()> clock = [] { return LocalTime{2026, 12, 5}; };
    std::string separator = ".";
    std::ostringstream errors;
    const auto save = [&](const Lines& lines) {
        for (const auto& line : lines) {
            log.AddLogEntry(line);
        }
        return SaveLogToFile(log, window, logs, clock, separator, errors);
    };
    const auto journal = [&] {
        const auto journals = journalsIn(logs);
        return journals.size() == 1 ? *journals.begin() : "";
    };
    save({}); // an empty log makes the folder but writes no file
    EXPECT_TRUE(std::filesystem::is_directory(logs));
    EXPECT_FALSE(std::filesystem::exists(dayFile));
    program.write("logs/log_05_12_2026.txt", "morning\r\n\r\n");
    auto& bar = window.pbSaveLog;
    bar.setValue(7);
    Lines shown;
    bar.changed.bind([&] {
        shown.push_back(std::to_string(bar.Max()) + "/" + std::to_string(bar.Value()) + " " +
                        bar.Text());
    });
    log.attachJournal(SessionJournal::open(logs, errors));
    log.AddLogEntry("session 1");
    // On Windows a live journal is shared with nobody (that tells it from an orphan): only
    // its name shows there.
    const std::string bytes = readFile(journal());
    EXPECT_NE(journal(), "");
    if (!test::kOnWindows) {
        EXPECT_EQ(bytes.substr(0, bytes.find('\0')), "session 1\r\n");
        EXPECT_EQ(bytes.find_first_not_of('\0', bytes.find('\0')), std::string::npos);
    }
    EXPECT_TRUE(save({"2", "3"}));
    EXPECT_EQ(journal(), "");
    EXPECT_EQ(window.lblSave.caption(), "Saving log entry's to log file (log_05_12_2026.txt)");
    EXPECT_TRUE(window.fraSave.visible() && !window.cmdCancelLoad.visible());
    EXPECT_EQ(shown, (Lines{"3/7 ", "3/0 ", "3/1 ", "3/1 33.3%", "3/2 33.3%", "3/2 66.7%",
                            "3/3 66.7%", "3/3 100.0%"}));
    save({"\t session 2  "});
    EXPECT_EQ(errors.str(), "");
    EXPECT_EQ(readFile(dayFile),
              "morning\r\n\r\nsession 1\r\n2\r\n3\r\n\r\n\r\n\\t session 2  \r\n\r\n\r\n");
    int reads = 0;
    clock = [&] {
        return ++reads == 1 ? LocalTime{2026, 12, 31, 23, 59, 59} : LocalTime{2027, 1, 1};
    };
    separator = ",";
    save({"late"});
    EXPECT_EQ(window.lblSave.caption(), "Saving log entry's to log file (log_31_12_2026.txt)");
    EXPECT_EQ(readFile(program / "logs/log_01_01_2027.txt"), "late\r\n\r\n\r\n");
    EXPECT_EQ(bar.Text(), "100,0%");
    // A save that cannot reach the day's file says so and keeps the journal for the next start.
    std::filesystem::create_directory(program / "logs/log_05_06_2027.txt");
    clock = [] { return LocalTime{2027, 6, 5}; };
    log.attachJournal(SessionJournal::open(logs, errors));
    EXPECT_FALSE(save({"kept"}));
    EXPECT_NE(journal(), "");
    EXPECT_EQ(readFile(journal()).substr(0, 6), test::kOnWindows ? "" : "kept\r\n");
    EXPECT_TRUE(test::holds(errors.str(), "orvane: cannot write the log file " +
                                              program / "logs/log_05_06_2027.txt" + ": "));
}

// A journal whose process is gone (nothing holds its lock) goes to the file of the day it was
// last written, closed by the project's line and the two empty lines; a journal in use is left
// alone, one whose day's file cannot be written stays for a later start, and one that never held
// a line is only removed. Links in the logs folder are not followed: one named like a journal is
// not recovered (its target would land in the day's file), one named like the journal being
// made is replaced rather than written through. A journal of another user is theirs to recover.
TEST(SessionJournal, RecoveryAppendsOrphansToTheirDaysFileAndLeavesEveryOtherEntryAlone) {
    test::TempFolder program;
    const std::string logs = program.makeFolder("logs");
    program.write("logs/log_03_12_2026.txt", "earlier\r\n\r\n\r\n");
    writeJournal(program, "session-4000000-0.journal", "a\r\nb\r\nhalf", 3);
    writeJournal(program, "session-4000001-0.journal", "c\r\n" + std::string(100, '\0'), 4);
    writeJournal(program, "session-4000002-0.journal", "d\r\n", 1);
    std::filesystem::create_directory(program / "logs/log_01_12_2026.txt");
    writeJournal(program, "session-4000003-0.journal", std::string(4096, '\0'), 2);
    program.write("logs/session-notes.txt", "not a journal");
    const std::string secret = program.write("secret", "private\r\n");
    const std::string victim = program.write("victim", "keep me");
    if (!test::kOnWindows) { // the C++ library makes symbolic links on POSIX systems only
        std::filesystem::create_symlink(secret, logs + "/session-4242-0.journal");
        std::filesystem::create_symlink(victim, logs + "/session-" + std::to_string(::getpid()) +
                                                    ".opening");
    }
    const std::string foreign = program.write("logs/session-4243-0.journal", "theirs\r\n");
    const bool chowned = test::giveToAnotherUser(foreign);

    SessionLog live;
    std::ostringstream errors;
    live.attachJournal(SessionJournal::open(logs, errors));
    live.AddLogEntry("running");
    EXPECT_EQ(RecoverJournals(logs, errors), chowned ? 2 : 3);
    EXPECT_EQ(readFile(program / "logs/log_03_12_2026.txt"),
              "earlier\r\n\r\n\r\na\r\nb\r\nhalf\r\n" + kClosing);
    EXPECT_EQ(readFile(program / "logs/log_04_12_2026.txt"), "c\r\n" + kClosing);
    EXPECT_FALSE(exists(program / "logs/log_02_12_2026.txt"));
    EXPECT_TRUE(exists(logs + "/session-4000002-0.journal") && exists(logs + "/session-notes.txt"));
    EXPECT_EQ(readFile(victim) + readFile(secret), "keep meprivate\r\n");
    // The live one (on Windows held open, shared with nobody), the blocked one, the link and
    // the other user's.
    EXPECT_EQ(journalsIn(logs).size(), (chowned ? 4U : 3U) - (test::kOnWindows ? 1U : 0U));
    EXPECT_TRUE(test::kOnWindows ||
                test::holds(errors.str(), "orvane: skipped " + logs +
                                              "/session-4242-0.journal: not a regular file\n"));
    EXPECT_EQ(RecoverJournals(logs, errors), 0);
    if (!chowned) {
        GTEST_SKIP() << "only root can give a journal to another user";
    }
    EXPECT_TRUE(
        test::holds(errors.str(), "orvane: skipped " + foreign + ": owned by another user\n"));
}

} // namespace
