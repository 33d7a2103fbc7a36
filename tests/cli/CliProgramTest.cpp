#include "common/ChildProcess.h"
#include "common/CopyFixtures.h"
#include "common/PosixFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <regex>

namespace orvane {

namespace {

// A day's log file holds what the program printed, with CR LF line ends.
std::string asSaved(const std::string& printed) {
    return std::regex_replace(printed, std::regex("\n"), "\r\n");
}

} // namespace

class CliProgramTest : public ::testing::Test, protected test::CliProgram {
protected:
    // The path of a session's journal in the logs folder; empty while there is none.
    static std::string journalIn(const std::string& logs) {
        std::error_code none;
        for (const auto& entry : std::filesystem::directory_iterator(logs, none)) {
            if (entry.path().extension() == ".journal") {
                return entry.path().string();
            }
        }
        return {};
    }
    std::string logPath() const {
        const std::time_t now = std::time(nullptr);
        char name[40];
        std::strftime(name, sizeof name, "/log_%d_%m_%Y.txt", std::localtime(&now));
        return temp / "bin/logs" + name;
    }
    std::string logFile() const { return test::readFile(logPath()); }

    std::string source = temp.makeFolder("data"), destination = temp.makeFolder("backup");
};

// 0 for --version and --help (which names the logs folder), 64 a usage error, 2 a path error,
// 1 a file not copied. An empty folder argument is a usage error: it would otherwise stand for
// the root of the file system. After "--" an argument named like an option is a folder. A
// listing that breaks off with an I/O error (the preloaded shim gives "." and ".." and one
// file, then EIO) is a folder not read, not a complete one, and fails the run in every mode.
TEST_F(CliProgramTest, ExitStatusTellsPathErrorsFailuresAndUsage) {
    const std::string name = std::filesystem::path(temp.path()).filename();
    const std::string unique = temp.makeFolder(name);
    temp.write(name + "/a.txt", "a");
    ASSERT_EQ(::mkfifo((source + "/pipe").c_str(), 0644), 0);
    for (const char* file : {"a", "b", "c", "d", "e", "f"}) {
        temp.write(std::string("data/") + file, file);
    }
    const auto eio = test::withFaultShim({{"ORVANE_FAULT_READDIR_EIO_AFTER", "3"}});
    const std::string unread = "orvane-cli: " + source + ": folder not read: " + std::strerror(EIO);
    const struct {
        std::vector<std::string> arguments;
        int status;
        std::string shown; // a part of what the program wrote
        test::EnvironmentChanges faults = {};
    } cases[] = {
        {{"--version"}, 0, "Orvane [1.0 Build37 BETA]\n"},
        {{"--help"}, 0, "\n  " + temp / "bin/logs\n"},
        {{}, 64, "\nusage: orvane-cli"},
        {{"--bogus", source, destination}, 64, "\nusage: orvane-cli"},
        {{unique, ""}, 64, "\nusage: orvane-cli"},
        {{"", destination}, 64, "\nusage: orvane-cli"},
        {{"--move", "", ""}, 64, "\nusage: orvane-cli"},
        {{temp / "missing", destination}, 2, ""},
        {{"--", "--move", destination}, 2, ""},
        {{source, destination}, 1, ""},
        {{source, destination}, 1, unread, eio},
        {{"--direct", source, destination}, 1, unread, eio},
        {{"--move", source, destination}, 1, unread, eio},
    };
    for (const auto& [arguments, status, shown, faults] : cases) {
        SCOPED_TRACE(testing::PrintToString(arguments) + (faults.empty() ? "" : " EIO"));
        const int exited = run(arguments, faults);
        std::filesystem::remove_all("/" + name); // where an empty destination would put it
        EXPECT_EQ(exited, status) << errors;
        EXPECT_TRUE(test::holds(output + errors, shown));
        EXPECT_EQ(output.empty(), status == 64); // usage errors go to standard error alone
        EXPECT_EQ(test::namesIn(destination).empty(), status != 1);
    }
}

// Standard error carries the summary, after a line for each file the run could not do, with
// its reason; each fails the run and keeps its source: a skipped source whose destination holds
// other bytes of the same size, and a file beyond `ulimit -f` (set by the shell in the child before
// it becomes the program; root is bound too), whose log line says only "reported err: 0" and whose
// temporary is gone. The run goes on with the other files.
TEST_F(CliProgramTest, FilesNotDoneAreNamedWithTheirReasonAndFailTheRun) {
    temp.write("data/same.txt", "mine");
    temp.write("backup/data/same.txt", "your");
    test::writeAll(source + "/big.bin", test::patterned(5 << 20));
    temp.write("data/small.txt", "small");
    EXPECT_EQ(
        run({"-c", "ulimit -f 2048 && exec \"$0\" \"$@\"", program, "--move", source, destination},
            {}, "/bin/sh"),
        1);
    EXPECT_TRUE(test::holds(output, ". File big.bin reported err: 0\n"));
    // The day's file holds what was printed, with CR LF and two empty lines after it.
    EXPECT_EQ(logFile(), asSaved(output + "\n\n"));
    EXPECT_TRUE(test::holds(errors, "orvane-cli: " + source +
                                        "/big.bin: not copied: " + std::strerror(EFBIG) + "\n"));
    EXPECT_TRUE(
        test::holds(errors, "orvane-cli: " + source +
                                "/same.txt: source kept: the destination holds other bytes\n"));
    EXPECT_TRUE(errors.ends_with(
        "\norvane-cli: 1 copied (0 re-copied), 1 skipped, 0 refused for space, 1 failed, 0 "
        "cancelled, 1 sources deleted, 2 sources kept, 0 sources already gone, 0 folders "
        "created, 0 folders failed, 0 folders unreadable\n"))
        << errors;
    EXPECT_EQ(test::namesIn(source), (std::set<std::string>{"big.bin", "same.txt"}));
    EXPECT_EQ(test::namesIn(destination + "/data"),
              (std::set<std::string>{"same.txt", "small.txt"}));
    EXPECT_EQ(test::readFile(destination + "/data/same.txt"), "your");
}

// A move whose one failing is a source it could not delete (on a write-protected card) fails
// the run: a script that trusts the exit status must not take the move as done.
TEST_F(CliProgramTest, AMoveThatCouldNotDeleteASourceFailsTheRun) {
    temp.write("data/a.txt", "a");
    const test::ReadOnlyBindMount card(source, temp / "card");
    if (!card.mounted()) {
        GTEST_SKIP() << card.why();
    }
    EXPECT_EQ(run({"--move", temp / "card", destination}), 1) << errors;
    EXPECT_EQ(test::readFile(destination + "/card/a.txt"), "a");
    EXPECT_TRUE(test::holds(errors, temp / "card/a.txt: source kept: cannot delete it: " +
                                        std::strerror(EROFS)))
        << errors;
}

// Every folder that could not be made and every file refused for space is named on standard
// error with the system's reason: a destination on a read-only drive (a locked SD card) or on a
// drive without a free inode, which ends the run before it starts, folders that run out of
// inodes within the tree, and a file too large for the space left, with its size and the
// space free.
TEST_F(CliProgramTest, FoldersNotMadeAndFilesRefusedForSpaceAreNamedWithTheirReason) {
    test::writeAll(source + "/big.bin", test::patterned(2 << 20));
    temp.write("data/sub/small.txt", "small");
    temp.makeFolder("data/empty0");
    const std::string drive = temp / "drive", copy = drive + "/data";
    const std::string readOnly = std::strerror(EROFS), full = std::strerror(ENOSPC);
    const struct {
        unsigned long flags;
        const char* options;
        int status;
        std::vector<std::string> shown;
    } cases[] = {
        {MS_RDONLY, nullptr, 2, {copy + ": folder not made: " + readOnly}},
        {0, "nr_inodes=1", 2, {copy + ": folder not made: " + full}},
        {0,
         "nr_inodes=2",
         1,
         {copy + "/sub: folder not made: " + full, copy + "/empty0: folder not made: " + full}},
        {0,
         "size=1m",
         1,
         {source + "/big.bin: not copied: not enough space on " + drive + ": it needs 2.0 MB, "}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options ? c.options : "read-only");
        const test::Mount mounted("tmpfs", drive, "tmpfs", c.flags, c.options);
        if (!mounted.mounted()) {
            GTEST_SKIP() << mounted.why();
        }
        EXPECT_EQ(run({source, drive}), c.status) << errors;
        for (const std::string& line : c.shown) {
            EXPECT_TRUE(test::holds(errors, "orvane-cli: " + line)) << errors;
        }
    }
}

// A name can hold any control character, and none reaches a terminal or a file raw: not one
// that sets the terminal's title, not a line break that would forge a summary line, not the
// C1 controls (as characters and as stray bytes). Through pipes, standard output, standard
// error and the day's log hold only printable ASCII here, each name escaped on its one line;
// on a terminal the status line's own erasing is the only control sequence. An unknown
// option is shown escaped too.
TEST_F(CliProgramTest, ControlCharactersInNamesNeverReachATerminalOrAFileRaw) {
    const std::string title = "\x1b]0;PWNED\x07", forged = "x\norvane-cli: 0 copied (0 re-copied)";
    for (const std::string& fifo : {title, forged}) {
        ASSERT_EQ(::mkfifo((source + "/" + fifo).c_str(), 0644), 0);
    }
    temp.write("data/c1 \xc2\x9b"
               "2J \x9b"
               "0m \xc2\x9d.txt",
               "c1");
    // Nothing else once the status line's own "erase the line" is taken out.
    const auto printable = [](const std::string& text) {
        return std::regex_match(std::regex_replace(text, std::regex("\x1b\\[K"), ""),
                                std::regex("[\r\n\x20-\x7e]*"));
    };
    EXPECT_EQ(run({source, destination}), 1);
    EXPECT_TRUE(printable(output) && printable(errors) && printable(logFile())) << output << errors;
    EXPECT_TRUE(test::holds(errors, "/data/\\x1b]0;PWNED\\x07: not copied: "));
    EXPECT_TRUE(test::holds(output, "File c1 \\xc2\\x9b2J \\x9b0m \\xc2\\x9d.txt copied in "));
    // Three lines: the two FIFOs' and the summary.
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 3) << errors;

    std::filesystem::remove_all(destination + "/data");
    const std::string line = "'" + program + "' '" + source + "' '" + destination + "'";
    EXPECT_EQ(run({"-qec", line, "/dev/null"}, {}, "/usr/bin/script"), 1);
    EXPECT_TRUE(test::holds(output, "\\x1b]0;PWNED\\x07: not copied: ")) << output;
    EXPECT_TRUE(printable(output)) << output;

    EXPECT_EQ(run({"--bogus\x1b[2J\xc2\x9b", source, destination}), 64);
    EXPECT_TRUE(errors.starts_with("orvane-cli: unknown option --bogus\\x1b[2J\\xc2\\x9b\n"))
        << errors;
}

// Started with standard output or standard error closed (as some service managers and scripts
// do), the run's log lines and problem lines go nowhere rather than into the first file it
// opens: its journal, which a killed run leaves to the next start, holds only its own lines,
// each ending in CR LF.
TEST_F(CliProgramTest, AClosedStandardStreamIsNoFileOfTheRunsOwn) {
    const int big = ::open((source + "/big.bin").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    ASSERT_EQ(::posix_fallocate(big, 0, 1LL << 30), 0);
    ::close(big);
    ASSERT_EQ(::mkfifo((source + "/pipe").c_str(), 0644), 0); // a problem line
    for (const char* closed : {">&-", "2>&-"}) {
        SCOPED_TRACE(closed);
        std::filesystem::remove_all(temp / "bin/logs");
        std::filesystem::remove_all(destination + "/data");
        test::ChildProcess child(
            "/bin/sh",
            {"-c", std::string("exec \"$0\" \"$@\" ") + closed, program, source, destination},
            temp / "err.txt");
        // The running session's journal, once it holds the survey's line.
        std::string path;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!test::holds(test::readFile(path = journalIn(temp / "bin/logs")),
                            "Total files to copy: ")) {
            ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "no survey in a journal";
        }
        child.signal(SIGKILL);
        child.wait();
        std::string journal = test::readFile(path);
        journal.erase(journal.find_last_not_of('\0') + 1);
        EXPECT_TRUE(journal.starts_with("New session started on ")) << journal;
        // Every line ends with CR LF, and neither comes alone.
        EXPECT_EQ(std::regex_replace(journal, std::regex("\r\n"), "").find_first_of("\r\n"),
                  std::string::npos)
            << journal;
        EXPECT_FALSE(test::holds(journal, "orvane-cli: ")) << journal;
    }
}

// A script or a front end reading the lines through a pipe sees each as it is logged: the stop
// sent after the early line arrives reaches the run before the copy of a whole GiB can end. A
// closed terminal (SIGHUP) stops the run like Ctrl+C and SIGTERM, and so does a reader that
// goes away (`orvane-cli --move src dst | head -1`): the source not yet moved stays, and the
// day's log and the summary still tell what happened.
TEST_F(CliProgramTest, StopSignalOrAVanishedReaderStopsTheRunAndTheLogIsStillSaved) {
    // Its blocks allocated, not written: cheap to make, yet copying it writes every byte (a
    // copy keeps holes, so a sparse one would cost nothing to copy).
    const int big = ::open((source + "/big.bin").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    ASSERT_EQ(::posix_fallocate(big, 0, 1LL << 30), 0);
    ::close(big);
    for (const int stop : {SIGINT, SIGHUP, SIGTERM, 0}) { // 0: the reader goes away
        SCOPED_TRACE(stop);
        std::filesystem::remove(logPath());
        temp.write("data/a.txt", "a");
        test::ChildProcess child(program, {"--move", source, destination}, temp / "err.txt");
        // The reader goes away before the first line, so its going is seen before the big file
        // whatever the load of the machine.
        const std::string awaited = stop != 0 ? "Total files to copy: " : "";
        ASSERT_TRUE(test::holds(child.readUntil(awaited), awaited));
        stop != 0 ? child.signal(stop) : child.closePipe();
        EXPECT_EQ(child.wait(), 1) << child.errors();
        const std::string log = logFile();
        EXPECT_TRUE(test::holds(log, "\r\nUser clicked on [Stop]\r\n"));
        EXPECT_TRUE(log.ends_with(std::string(46, '-') + "\r\n\r\n\r\n")) << log;
        EXPECT_TRUE(stop == 0 || log == asSaved(child.readToEnd() + "\n\n")) << log;
        EXPECT_FALSE(test::exists(destination + "/data/big.bin"));
        EXPECT_TRUE(test::exists(source + "/big.bin"));
        EXPECT_TRUE(child.errors().ends_with(" folders unreadable\n")) << child.errors();
    }
}

// A second Ctrl+C ends a run stuck in a system call (here a write to a full pipe nobody
// reads) at once, and the session's lines still reach the day's file.
TEST_F(CliProgramTest, SecondInterruptEndsAStuckRunAndStillSavesTheLog) {
    for (int i = 0; i < 100; ++i) {
        temp.write("data/" + std::string(80, 'f') + std::to_string(i), "x");
    }
    test::ChildProcess child(program, {"--direct", source, destination}, temp / "err.txt");
    // It sleeps writing to its output pipe, full as nobody reads it.
    ASSERT_TRUE(child.comesToShow("wchan", "pipe_write")) << "the output never filled the pipe";
    child.signal(SIGINT);
    // Taken, none pending any more: the second is not merged into the first.
    child.comesToShow("status", "ShdPnd:\t0000000000000000");
    child.signal(SIGINT);
    EXPECT_EQ(child.wait(), 128 + SIGINT);
    const std::string log = logFile();
    EXPECT_TRUE(log.starts_with("New session started on ")) << log;
    EXPECT_TRUE(log.ends_with(
        asSaved("\nSession ended without closing (recovered from its journal)\n\n\n")))
        << log;
    EXPECT_EQ(child.errors(),
              "Ended at once by a second stop signal; the log went to the day's log file.\n");
}

} // namespace orvane
