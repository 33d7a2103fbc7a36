#include "support/SessionJournal.h"

#include "common/CopyFixtures.h"
#include "state/MainWindowElements.h"
#include "support/LogFileSaver.h"
#include "support/SessionLog.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <ctime>
#include <sstream>

namespace orvane {

namespace {

const std::string kClosing = std::string(kUnclosedSessionLine) + "\r\n\r\n\r\n";

// The journals the logs folder holds.
std::set<std::string> journalsIn(const std::string& logs) {
    std::set<std::string> journals;
    for (const auto& name : test::namesIn(logs)) {
        if (name.ends_with(".journal")) {
            journals.insert(name);
        }
    }
    return journals;
}

void setModified(const std::string& path, int year, int month, int day) {
    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = 12;
    fields.tm_isdst = -1;
    const timespec times[2] = {{std::mktime(&fields), 0}, {std::mktime(&fields), 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

} // namespace

// Every line is on file as soon as it is logged; a save that reached the day's file removes
// the journal, one that failed keeps it.
TEST(SessionJournal, HoldsEachLineAsLoggedUntilTheSaveReachesTheDaysFile) {
    test::TempFolder program;
    const std::string logs = program.makeFolder("logs");
    MainWindowElements window;
    std::ostringstream errors;
    const auto today = [] { return platform::LocalTime{2026, 12, 5}; };
    for (const bool saveFails : {true, false}) {
        SessionLog log;
        log.attachJournal(SessionJournal::open(logs, errors));
        const auto journals = journalsIn(logs);
        ASSERT_EQ(journals.size(), 1U);
        const std::string journal = logs + "/" + *journals.begin();
        log.AddLogEntry("first");
        log.AddLogEntry("second");
        // The file grows in steps and holds zero bytes after the last line.
        const std::string bytes = test::readFile(journal);
        EXPECT_EQ(bytes.substr(0, bytes.find('\0')), "first\r\nsecond\r\n");
        EXPECT_EQ(bytes.find_first_not_of('\0', bytes.find('\0')), std::string::npos);
        if (saveFails) {
            std::filesystem::create_directory(logs + "/log_05_12_2026.txt");
        }
        EXPECT_EQ(SaveLogToFile(log, window, logs, today, ".", errors), !saveFails);
        EXPECT_EQ(test::exists(journal), saveFails);
        if (saveFails) {
            std::filesystem::remove(logs + "/log_05_12_2026.txt");
            std::filesystem::remove(journal);
        }
    }
}

// A journal whose process is gone (nothing holds its lock) goes to the file of the day it
// was last written, closed by the project's line and the two empty lines; a journal in use
// is left alone, one whose day's file cannot be written stays for a later start, and one
// that never held a line is only removed.
TEST(SessionJournal, RecoveryAppendsOrphansToTheirDaysFileAndLeavesLiveOnesAlone) {
    test::TempFolder program;
    const std::string logs = program.makeFolder("logs");
    program.write("logs/log_03_12_2026.txt", "earlier\r\n\r\n\r\n");
    const std::string cut = program.write("logs/session-4000000-0.journal", "a\r\nb\r\nhalf");
    setModified(cut, 2026, 12, 3);
    const std::string whole =
        program.write("logs/session-4000001-0.journal", "c\r\n" + std::string(100, '\0'));
    setModified(whole, 2026, 12, 4);
    const std::string blocked = program.write("logs/session-4000002-0.journal", "d\r\n");
    setModified(blocked, 2026, 12, 1);
    std::filesystem::create_directory(logs + "/log_01_12_2026.txt");
    const std::string empty =
        program.write("logs/session-4000003-0.journal", std::string(4096, '\0'));
    setModified(empty, 2026, 12, 2);
    program.write("logs/session-notes.txt", "not a journal");

    SessionLog live;
    std::ostringstream errors;
    live.attachJournal(SessionJournal::open(logs, errors));
    live.AddLogEntry("running");

    EXPECT_EQ(RecoverJournals(logs, errors), 2);
    EXPECT_EQ(test::readFile(logs + "/log_03_12_2026.txt"),
              "earlier\r\n\r\n\r\na\r\nb\r\nhalf\r\n" + kClosing);
    EXPECT_EQ(test::readFile(logs + "/log_04_12_2026.txt"), "c\r\n" + kClosing);
    EXPECT_FALSE(test::exists(logs + "/log_02_12_2026.txt") || test::exists(empty));
    const auto left = journalsIn(logs);
    EXPECT_EQ(left.size(), 2U);
    EXPECT_TRUE(left.contains("session-4000002-0.journal"));
    EXPECT_TRUE(test::exists(logs + "/session-notes.txt"));
    EXPECT_EQ(RecoverJournals(logs, errors), 0);
}

// Links in the logs folder are not followed: one named like a journal is not recovered (its
// target would land in the day's file), one named like the journal being made is replaced
// rather than written through. A journal of another user is theirs to recover.
TEST(SessionJournal, LinksAndOtherUsersJournalsAreLeftAloneAndNamedOnStandardError) {
    test::TempFolder program;
    const std::string logs = program.makeFolder("logs");
    const std::string secret = program.write("secret", "private\r\n");
    const std::string victim = program.write("victim", "keep me");
    std::filesystem::create_symlink(secret, logs + "/session-4242-0.journal");
    std::filesystem::create_symlink(victim,
                                    logs + "/session-" + std::to_string(::getpid()) + ".opening");
    const std::string foreign = program.write("logs/session-4243-0.journal", "theirs\r\n");
    const bool chowned = ::chown(foreign.c_str(), 65534, 65534) == 0;

    std::ostringstream errors;
    SessionLog live;
    live.attachJournal(SessionJournal::open(logs, errors));
    live.AddLogEntry("running");
    EXPECT_EQ(RecoverJournals(logs, errors), chowned ? 0 : 1);
    EXPECT_EQ(test::readFile(victim), "keep me");
    EXPECT_EQ(test::readFile(secret), "private\r\n");
    EXPECT_EQ(journalsIn(logs).size(), chowned ? 3U : 2U);
    for (const auto& name : test::namesIn(logs)) {
        EXPECT_TRUE(!name.starts_with("log_") ||
                    test::readFile(logs + "/" + name).find("private") == std::string::npos)
            << name;
    }
    // The listing's order is the file system's.
    EXPECT_TRUE(test::holds(errors.str(), "orvane: skipped " + logs +
                                              "/session-4242-0.journal: not a regular file\n"));
    if (!chowned) {
        GTEST_SKIP() << "only root can give a journal to another user";
    }
    EXPECT_TRUE(
        test::holds(errors.str(), "orvane: skipped " + foreign + ": owned by another user\n"));
}

} // namespace orvane
