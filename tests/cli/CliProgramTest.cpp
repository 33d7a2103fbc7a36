#include "common/ChildProcess.h"
#include "common/CopyFixtures.h"
#include "common/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/file.h>

#include <ctime>
#include <filesystem>
#include <regex>

namespace orvane {

namespace {

// The line that closes a session recovered from its journal, and the block's ending.
const std::string kRecovered = "Session ended without closing (recovered from its journal)\n\n\n";

// A day's log file holds what the program printed, with CR LF line ends.
std::string asSaved(const std::string& printed) {
    return std::regex_replace(printed, std::regex("\n"), "\r\n");
}

// A file of that size whose blocks are allocated, not written: cheap to make, yet copying it
// writes every byte (a copy keeps holes, so a sparse one would cost nothing to copy either).
void allocate(const std::string& path, off_t size) {
    const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    const int allocated = ::posix_fallocate(file, 0, size);
    ::close(file);
    ASSERT_EQ(allocated, 0);
}

// Waits until the program is held in a write to its full output pipe that nobody reads.
void waitForAFullPipe(const test::ChildProcess& child) {
    while (!child.sleepingIn("pipe_write")) {
        ASSERT_TRUE(child.running()) << "the output never filled the pipe";
        ::sched_yield();
    }
}

} // namespace

class CliProgramTest : public ::testing::Test, protected test::CliProgram {
protected:
    std::string logPath(const std::string& logsFolder = "bin/logs") const {
        const std::time_t now = std::time(nullptr);
        char name[40];
        std::strftime(name, sizeof name, "/log_%d_%m_%Y.txt", std::localtime(&now));
        return temp / logsFolder + name;
    }
    std::string logFile(const std::string& logsFolder = "bin/logs") const {
        return test::readFile(logPath(logsFolder));
    }

    std::string source = temp.makeFolder("data"), destination = temp.makeFolder("backup");
};

// The log lines themselves are pinned where the run controller is tested.
TEST_F(CliProgramTest, RunsPrintTheirLogLinesAndAppendTheSameToTheDatedLog) {
    temp.write("data/a.txt", "hello");
    ASSERT_EQ(run({source, destination}), 0) << errors;
    const std::string first = output;
    EXPECT_TRUE(first.starts_with("New session started on ")) << first;

    ASSERT_EQ(run({"--move", "--direct", source, destination}), 0) << errors;
    EXPECT_TRUE(test::holds(output, "\nDirect Copying on\n"));
    EXPECT_FALSE(test::exists(source + "/a.txt"));
    // Standard error carries the summary alone when it is not a terminal.
    EXPECT_EQ(errors, "orvane-cli: 0 copied (0 re-copied), 1 skipped, 0 refused for space, 0 "
                      "failed, 0 cancelled, 1 sources deleted, 0 sources kept, 0 folders "
                      "created, 0 folders failed, 0 folders unreadable\n");
    // Both sessions went into the day's file in order, with CR LF and two empty lines after each.
    EXPECT_EQ(logFile(), asSaved(first + "\n\n" + output + "\n\n"));
}

// 0 for --version, 64 a usage error, 2 a path error, 1 a file not copied. An empty folder
// argument is a usage error: it would otherwise stand for the root of the file system. After
// "--" an argument named like an option is a folder.
TEST_F(CliProgramTest, ExitStatusTellsPathErrorsFailuresAndUsage) {
    const std::string name = std::filesystem::path(temp.path()).filename();
    const std::string unique = temp.makeFolder(name);
    temp.write(name + "/a.txt", "a");
    ASSERT_EQ(::mkfifo((source + "/pipe").c_str(), 0644), 0);
    const std::pair<std::vector<std::string>, int> cases[] = {
        {{"--version"}, 0},
        {{}, 64},
        {{"--bogus", source, destination}, 64},
        {{unique, ""}, 64},
        {{"", destination}, 64},
        {{"--move", "", ""}, 64},
        {{temp / "missing", destination}, 2},
        {{"--", "--move", destination}, 2},
        {{source, destination}, 1},
    };
    for (const auto& [arguments, status] : cases) {
        SCOPED_TRACE(testing::PrintToString(arguments));
        const int exited = run(arguments);
        std::filesystem::remove_all("/" + name); // where an empty destination would put it
        EXPECT_EQ(exited, status) << errors;
        if (status == 0) {
            EXPECT_EQ(output, "Orvane [1.0 Build37 BETA]\n");
        } else if (status == 64) {
            EXPECT_TRUE(output.empty() && errors.find("\nusage: orvane-cli") != std::string::npos)
                << errors;
        }
        EXPECT_EQ(test::namesIn(destination).empty(), status != 1);
    }
}

// Root reads every folder: the run goes to a user the folder shuts out.
TEST_F(CliProgramTest, UnreadableSubFolderFailsTheRunAndSaysWhy) {
    if (::geteuid() != 0 || !test::exists("/usr/sbin/runuser")) {
        GTEST_SKIP() << "needs root and runuser(1) to run the program as another user";
    }
    temp.write("data/a.txt", "a");
    temp.write("data/locked/b.txt", "b");
    for (const auto& [folder, mode] : {std::pair{temp.path(), 0755},
                                       {temp / "bin", 0777},
                                       {destination, 0777},
                                       {source + "/locked", 0}}) {
        ASSERT_EQ(::chmod(folder.c_str(), mode), 0);
    }
    for (const bool direct : {false, true}) {
        SCOPED_TRACE(direct);
        std::vector<std::string> asNobody{"-u", "nobody", "--", program};
        if (direct) {
            asNobody.push_back("--direct");
        }
        asNobody.insert(asNobody.end(), {source, destination});
        EXPECT_EQ(run(asNobody, {}, "/usr/sbin/runuser"), 1);
        EXPECT_TRUE(test::holds(errors, "orvane-cli: " + source + "/locked: folder not read: " +
                                            std::strerror(EACCES) + "\n"));
        EXPECT_TRUE(test::holds(errors, ", 1 folders unreadable"));
    }
}

// A listing that breaks off with an error is no complete listing: the folder counts as unread.
TEST_F(CliProgramTest, ListingThatBreaksOffFailsTheRunAndSaysWhy) {
    for (const char* name : {"a", "b", "c", "d", "e", "f"}) {
        temp.write(std::string("data/") + name, name);
    }
    // "." and ".." and one file, then EIO.
    const auto faults = test::withFaultShim({{"ORVANE_FAULT_READDIR_EIO_AFTER", "3"}});
    for (const auto& options :
         std::vector<std::vector<std::string>>{{}, {"--direct"}, {"--move"}}) {
        SCOPED_TRACE(options.empty() ? "survey" : options[0]);
        auto arguments = options;
        arguments.insert(arguments.end(), {source, destination});
        EXPECT_EQ(run(arguments, faults), 1);
        EXPECT_TRUE(test::holds(errors, "orvane-cli: " + source +
                                            ": folder not read: " + std::strerror(EIO) + "\n"));
        EXPECT_TRUE(test::holds(errors, ", 1 folders unreadable"));
    }
}

// Each file a run could not do is named on standard error with the reason, and fails the run.
TEST_F(CliProgramTest, FilesNotDoneAreNamedWithTheirReasonAndFailTheRun) {
    // A skipped source whose destination holds other bytes of the same size is kept.
    temp.write("data/same.txt", "mine");
    temp.write("backup/data/same.txt", "your");
    EXPECT_EQ(run({"--move", source, destination}), 1);
    EXPECT_TRUE(
        test::holds(errors, "orvane-cli: " + source +
                                "/same.txt: source kept: the destination holds other bytes\n"));
    EXPECT_TRUE(test::holds(errors, ", 1 sources kept"));
    EXPECT_TRUE(test::exists(source + "/same.txt"));

    // A source that cannot be deleted: every file copied, none moved.
    const test::Tmpfs drive(temp / "ro", "size=1m");
    if (!drive.mounted()) {
        GTEST_SKIP() << drive.why();
    }
    temp.write("ro/src/a.txt", "a");
    temp.write("ro/src/b.txt", "b");
    const std::string why = test::remountReadOnly(temp / "ro");
    if (!why.empty()) {
        GTEST_SKIP() << why;
    }
    EXPECT_EQ(run({"--move", temp / "ro/src", destination}), 1);
    EXPECT_EQ(test::readFile(destination + "/src/a.txt") +
                  test::readFile(destination + "/src/b.txt"),
              "ab");
    EXPECT_TRUE(test::holds(errors, "orvane-cli: " + temp / "ro/src/a.txt" +
                                        ": source kept: cannot delete it: " + std::strerror(EROFS) +
                                        "\n"));
    EXPECT_TRUE(test::holds(errors, "0 sources deleted, 2 sources kept"));

    // A copy that fails: its log line says only "reported err: 0"; standard error says why.
    temp.write("data/new.txt", "new");
    const test::BindMount shut(destination, temp / "shut");
    const std::string readOnly =
        shut.mounted() ? test::remountReadOnly(temp / "shut", true) : shut.why();
    if (!readOnly.empty()) {
        GTEST_SKIP() << readOnly;
    }
    EXPECT_EQ(run({source, temp / "shut"}), 1);
    EXPECT_TRUE(test::holds(output, "1. File new.txt reported err: 0\n"));
    EXPECT_TRUE(test::holds(errors, "orvane-cli: " + source +
                                        "/new.txt: not copied: " + std::strerror(EROFS) + "\n"));
}

// `ulimit -f` (set by the shell in the child before it becomes the program): a file beyond
// the limit fails alone, with its temporary gone and its source kept; root is bound too.
TEST_F(CliProgramTest, FileBeyondTheFileSizeLimitFailsAloneAndTheRunGoesOn) {
    test::writeAll(source + "/big.bin", test::patterned(5 << 20));
    temp.write("data/small.txt", "small");
    EXPECT_EQ(
        run({"-c", "ulimit -f 2048 && exec \"$0\" \"$@\"", program, "--move", source, destination},
            {}, "/bin/sh"),
        1)
        << errors;
    EXPECT_TRUE(test::holds(output, ". File big.bin reported err: 0\n"));
    EXPECT_TRUE(test::holds(errors, "orvane-cli: " + source + "/big.bin: not copied: " +
                                        std::strerror(EFBIG) + "\norvane-cli: 1 copied"));
    EXPECT_EQ(test::namesIn(destination + "/data"), std::set<std::string>{"small.txt"});
    EXPECT_EQ(test::namesIn(source), std::set<std::string>{"big.bin"});
    EXPECT_EQ(std::filesystem::file_size(source + "/big.bin"), 5U << 20);
    EXPECT_TRUE(test::holds(logFile(), ". File big.bin reported err: 0\r\n"));
}

TEST_F(CliProgramTest, HelpNamesTheLogsFolderAndAnUnwritableLogIsNamedOnStandardError) {
    ASSERT_EQ(run({"--help"}), 0);
    EXPECT_TRUE(test::holds(output, "\n  " + temp / "bin/logs\n"));
    temp.write("bin/logs", "a file where the folder should be");
    temp.write("data/a.txt", "hello");
    EXPECT_EQ(run({source, destination}), 0);
    EXPECT_TRUE(errors.starts_with("orvane: cannot write the log file " + temp / "bin/logs/log_"))
        << errors;
    EXPECT_TRUE(test::holds(errors, ".txt: Not a directory\norvane-cli: 1 copied"));
}

// An installation: the program in <prefix>/bin with the marker in <prefix>/share/orvane.
// Nothing is written beside the program; the INI file and the logs go to the user's XDG
// folders, by default below $HOME, else where absolute XDG variables say.
TEST_F(CliProgramTest, InstalledProgramKeepsSettingsAndLogsInTheUsersFolders) {
    const std::string installed = temp.makeFolder("usr/bin") + "/orvane-cli";
    std::filesystem::copy_file(program, installed);
    temp.write("usr/share/orvane/installed-layout", "");
    program = installed;
    temp.write("data/a.txt", "hello");
    const test::EnvironmentChanges defaults{
        {"HOME", temp / "home"}, {"XDG_CONFIG_HOME", std::nullopt}, {"XDG_STATE_HOME", "rel"}};
    ASSERT_EQ(run({"--help"}, defaults), 0);
    EXPECT_TRUE(test::holds(output, "\n  " + temp / "home/.local/state/orvane/logs\n"));
    ASSERT_EQ(run({source, destination}, defaults), 0) << errors;
    ASSERT_EQ(run({source, destination}, defaults), 0) << errors;
    EXPECT_EQ(test::readFile(destination + "/data/a.txt"), "hello");
    EXPECT_EQ(test::readFile(temp / "home/.config/orvane/orvane-cli.ini"), "[Main]\r\nUSE=3\r\n");
    const std::string log = logFile("home/.local/state/orvane/logs");
    EXPECT_TRUE(log.starts_with("New session started on ")) << log;
    EXPECT_TRUE(test::holds(log, "\r\n\r\nNew session started on "));
    EXPECT_EQ(test::namesIn(temp / "usr/bin"), std::set<std::string>{"orvane-cli"});
    EXPECT_EQ(test::namesIn(temp / "usr/share/orvane"), std::set<std::string>{"installed-layout"});

    const test::EnvironmentChanges chosen{{"HOME", temp / "home"},
                                          {"XDG_CONFIG_HOME", temp / "cfg"},
                                          {"XDG_STATE_HOME", temp / "state/"}};
    ASSERT_EQ(run({source, destination}, chosen), 0) << errors;
    EXPECT_EQ(test::readFile(temp / "cfg/orvane/orvane-cli.ini"), "[Main]\r\nUSE=2\r\n");
    EXPECT_TRUE(logFile("state/orvane/logs").starts_with("New session started on "));
}

TEST_F(CliProgramTest, TerminalOnStandardErrorGetsTheLiveStatusLine) {
    temp.write("data/a.txt", "hello");
    // script(1) gives the program a terminal and records what it writes there.
    const std::string command = "script -qec \"'" + program + "' '" + source + "' '" + destination +
                                "' >/dev/null\" /dev/null </dev/null > '" + temp / "tty.txt" + "'";
    if (std::system("script -qec true /dev/null </dev/null >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "script(1) cannot give a terminal here";
    }
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::string screen = test::readFile(temp / "tty.txt");
    EXPECT_TRUE(test::holds(screen, "\r\x1b[KFiles: "));
    EXPECT_TRUE(test::holds(screen, " | Time elapsed: "));
    EXPECT_TRUE(test::holds(screen, "\r\x1b[Korvane-cli: 1 copied"));
}

// A sparse file of 1 PiB (only a tmpfs holds one) is beyond what the survey's total can
// count in bytes. The run goes on to its closing lines and the log is saved, in both modes.
TEST_F(CliProgramTest, FileBeyondTheTotalsRangeDoesNotEndTheRun) {
    test::Tmpfs drive(temp / "data", "size=1m");
    if (!drive.mounted()) {
        GTEST_SKIP() << drive.why();
    }
    temp.write("data/small.txt", "small");
    for (const char* mode : {"--move", "--direct"}) {
        SCOPED_TRACE(mode);
        std::filesystem::resize_file(temp.write("data/huge.bin", ""), 1ULL << 50);
        const int status = run({mode, source, destination});
        // All hole, it needs no space: it is copied where the destination's file system
        // takes a file that large, and fails where it does not. Either way the run goes on.
        const bool copied = output.find("File huge.bin copied in ") != std::string::npos &&
                            output.find(" [838.9 TB]\n") != std::string::npos;
        const bool failed = output.find(". File huge.bin reported err: 0\n") != std::string::npos;
        EXPECT_TRUE((copied && status == 0) || (failed && status == 1)) << status << output;
        EXPECT_TRUE(output.ends_with(std::string(46, '-') + "\n")) << output;
        EXPECT_TRUE(test::exists(destination + "/data/small.txt"));
    }
    EXPECT_NE(
        logFile().find("\r\nTotal size beyond 838.9 TB, held there: " + source + "/huge.bin\r\n"),
        std::string::npos);
}

// A script or a front end reading the lines through a pipe sees each as it is logged: the stop
// sent after the early line arrives reaches the run before the copy of a whole GiB can end. A
// closed terminal (SIGHUP) stops the run like Ctrl+C and SIGTERM, and the log is saved.
TEST_F(CliProgramTest, LogLinesReachAPipeWhileTheRunIsStillGoing) {
    allocate(source + "/big.bin", 1LL << 30);
    std::string saved;
    for (const int stopSignal : {SIGINT, SIGHUP, SIGTERM}) {
        SCOPED_TRACE(stopSignal);
        test::ChildProcess child(program, {source, destination}, "", temp / "err.txt");
        const std::string early =
            child.readUntil("Total files to copy: 1 file(s) in 1 directory(s)\n");
        ASSERT_NE(early.find("Total files to copy: "), std::string::npos) << early;
        child.signal(stopSignal);
        EXPECT_EQ(child.wait(), 1) << child.errors();
        const std::string output = child.readToEnd();
        EXPECT_TRUE(test::holds(output, "User clicked on [Stop]\n"));
        EXPECT_EQ(output.find("copied in"), std::string::npos) << output;
        EXPECT_FALSE(test::exists(destination + "/data/big.bin"));
        saved += asSaved(output + "\n\n");
        EXPECT_EQ(logFile(), saved);
        EXPECT_TRUE(test::holds(child.errors(), "orvane-cli: 0 copied"));
    }
}

// `orvane-cli --move src dst | head -1`: the reader goes away after the first line. The run
// stops as if Stop were clicked, every source not yet moved stays, and the day's log and the
// summary still tell what happened.
TEST_F(CliProgramTest, ReaderThatGoesAwayStopsTheRunAndTheLogIsStillSaved) {
    temp.write("data/a.txt", "a");
    allocate(source + "/big.bin", 1LL << 30);
    test::ChildProcess child(program, {"--move", source, destination}, "", temp / "err.txt");
    child.readUntil("\n");
    child.closePipe();
    EXPECT_EQ(child.wait(), 1) << child.errors();
    const std::string log = logFile();
    EXPECT_TRUE(test::holds(log, "\r\nUser clicked on [Stop]\r\n"));
    EXPECT_TRUE(log.ends_with(std::string(46, '-') + "\r\n\r\n\r\n")) << log;
    EXPECT_TRUE(test::exists(source + "/big.bin"));
    EXPECT_TRUE(test::holds(child.errors(), "orvane-cli: "));
}

// kill -9 in the middle of a move: the sources it deleted are on record all the same, in
// the day's file at the next start, closed by the line that says the session did not close.
TEST_F(CliProgramTest, KilledSessionIsRecoveredFromItsJournalAtTheNextStart) {
    temp.write("data/a.txt", "a");
    allocate(source + "/big.bin", 1LL << 30);
    test::ChildProcess child(program, {"--move", "--direct", source, destination}, "",
                             temp / "err.txt");
    // readdir order is the file system's: either file may come first.
    child.readUntil("Move is on, deleted the file a.txt\n");
    child.signal(SIGKILL);
    child.wait();
    const std::string killed = child.readToEnd();
    ASSERT_NE(killed.find("Move is on, deleted the file a.txt\n"), std::string::npos) << killed;
    EXPECT_EQ(logFile(), "");

    ASSERT_EQ(run({temp / "missing", destination}), 2);
    EXPECT_EQ(logFile(), asSaved(killed + kRecovered + output + "\n\n"));
    for (const auto& name : test::namesIn(temp / "bin/logs")) {
        EXPECT_FALSE(name.ends_with(".journal")) << name;
    }
}

// A second Ctrl+C ends a run stuck in a system call (here a write to a full pipe nobody
// reads) at once, and the session's lines still reach the day's file.
TEST_F(CliProgramTest, SecondInterruptEndsAStuckRunAndStillSavesTheLog) {
    for (int i = 0; i < 100; ++i) {
        temp.write("data/" + std::string(80, 'f') + std::to_string(i), "x");
    }
    test::ChildProcess child(program, {"--direct", source, destination}, "", temp / "err.txt", {},
                             4096);
    waitForAFullPipe(child);
    child.signal(SIGINT);
    child.awaitSignalsTaken();
    child.signal(SIGINT);
    EXPECT_EQ(child.wait(), 128 + SIGINT);
    const std::string log = logFile();
    EXPECT_TRUE(log.starts_with("New session started on ")) << log;
    EXPECT_TRUE(log.ends_with(asSaved("\n" + kRecovered))) << log;
    EXPECT_GT(log.size(), 4096U);
    EXPECT_EQ(child.errors(),
              "Ended at once by a second stop signal; the log went to the day's log file.\n");
}

// A stop signal is one click on Stop, however many yields follow it: here the survey is
// held in a write to a full pipe when the signal comes, and the survey's end, the controller
// and the list run all yield after the click. The lines are counted, not just found.
TEST_F(CliProgramTest, StopSignalClicksStopOnceHoweverManyYieldsFollow) {
    for (int i = 0; i < 100; ++i) {
        temp.write("data/" + std::string(80, 'd') + std::to_string(i) + "/f", "x");
    }
    test::ChildProcess child(program, {source, destination}, "", temp / "err.txt", {}, 4096);
    waitForAFullPipe(child);
    child.signal(SIGINT);
    child.awaitSignalsTaken();
    const std::string output = child.readToEnd();
    EXPECT_EQ(child.wait(), 1);
    ASSERT_NE(output.find("Total files to copy: "), std::string::npos) << output;
    const std::string log = logFile();
    std::size_t clicks = 0;
    for (auto at = log.find("User clicked on [Stop]"); at != std::string::npos;
         at = log.find("User clicked on [Stop]", at + 1)) {
        ++clicks;
    }
    EXPECT_EQ(clicks, 1U) << log;
}

// A FIFO named like a journal or like the INI file would hold the start in its open() until
// someone wrote to it: both are skipped, each with a line on standard error.
TEST_F(CliProgramTest, FifosNamedLikeItsOwnFilesAreSkippedNotWaitedOn) {
    const std::string logs = temp.makeFolder("bin/logs");
    ASSERT_EQ(::mkfifo((logs + "/session-99999-0.journal").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo((temp / "bin/orvane-cli.ini").c_str(), 0600), 0);
    temp.write("data/a.txt", "a");
    test::ChildProcess child(program, {source, destination}, temp / "out.txt", temp / "err.txt");
    if (child.comesToSleepIn("wait_for_partner")) {
        FAIL() << "the start waits for the other end of a FIFO";
    }
    EXPECT_EQ(child.wait(), 0) << child.errors();
    for (const std::string& fifo :
         {logs + "/session-99999-0.journal", temp / "bin/orvane-cli.ini"}) {
        EXPECT_TRUE(
            test::holds(child.errors(), "orvane: skipped " + fifo + ": not a regular file\n"));
    }
    EXPECT_TRUE(logFile().starts_with("New session started on "));
}

// A full logs file system: the journal cannot grow, so the session goes on without it, says
// so once on standard error and in the log, and the day's file is still saved where it
// fits. A journal that took its pages only when a line was copied in was killed by SIGBUS.
TEST_F(CliProgramTest, FullLogsFileSystemStopsTheJournalNotTheRun) {
    test::Tmpfs logs(temp / "bin/logs", "size=64k");
    if (!logs.mounted()) {
        GTEST_SKIP() << logs.why();
    }
    temp.write("bin/logs/filler", std::string(48 * 1024, 'f'));
    temp.write("data/a.txt", "a");
    const std::string notice = "The session journal cannot grow (No space left on device), the "
                               "session goes on without it: " +
                               temp / "bin/logs/session-";
    ASSERT_EQ(run({source, destination}), 0) << errors;
    EXPECT_TRUE(errors.starts_with("orvane: " + notice)) << errors;
    EXPECT_TRUE(test::holds(logFile(), "\r\n" + notice));

    std::filesystem::remove(logPath());
    for (int i = 0; i < 300; ++i) {
        temp.write("data/" + std::string(100, 'n') + std::to_string(i), "x");
    }
    EXPECT_EQ(run({source, destination}), 0) << errors;
    EXPECT_EQ(errors.find(notice), errors.rfind(notice)) << errors;
    EXPECT_TRUE(test::holds(errors, "orvane: cannot write the log file"));
}

// Another session is writing its block to the day's file (the test holds the lock in its
// place, with half of its block written): this session's block waits and follows it whole.
TEST_F(CliProgramTest, SessionsClosingTogetherWriteTheirBlocksWhole) {
    temp.makeFolder("bin/logs");
    temp.write("data/a.txt", "a");
    const int day = ::open(logPath().c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    ASSERT_EQ(::flock(day, LOCK_EX), 0);
    ASSERT_EQ(::write(day, "other session\r\n", 15), 15);
    test::ChildProcess child(program, {source, destination}, temp / "out.txt", temp / "err.txt");
    const bool waited = child.comesToSleepIn("locks_lock_inode_wait");
    ASSERT_EQ(::write(day, "its rule\r\n\r\n\r\n", 14), 14);
    ::close(day);
    EXPECT_TRUE(waited) << "the save did not wait for the lock";
    EXPECT_EQ(child.wait(), 0);
    EXPECT_EQ(logFile(),
              "other session\r\nits rule\r\n\r\n\r\n" + asSaved(child.output() + "\n\n"));
}

// A save that fails half-way (the disk fills up: the preloaded shim lets the day's file take
// 30 bytes) takes its half block back, and the journal keeps the session: the next start
// appends it whole after what the file held before.
TEST_F(CliProgramTest, SaveThatFailsHalfWayLeavesTheDaysFileAsItWas) {
    temp.makeFolder("bin/logs");
    const std::string before = "earlier\r\n\r\n\r\n";
    temp.write("data/a.txt", "a");
    test::writeAll(logPath(), before);
    ASSERT_EQ(run({source, destination},
                  test::withFaultShim({{"ORVANE_FAULT_WRITE_PATH", "/bin/logs/log_"},
                                       {"ORVANE_FAULT_WRITE_BYTES", "30"}})),
              0);
    const std::string failed = output;
    EXPECT_TRUE(test::holds(errors, "orvane: cannot write the log file " + logPath() +
                                        ": No space left on device\n"));
    EXPECT_EQ(logFile(), before);

    ASSERT_EQ(run({temp / "missing", destination}), 2);
    EXPECT_EQ(logFile(), before + asSaved(failed + kRecovered + output + "\n\n"));
}

} // namespace orvane
