#include "common/ChildProcess.h"
#include "common/CopyFixtures.h"
#include "common/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <regex>
#include <thread>

namespace orvane {

// The built program, copied into a scratch folder: its logs folder is made beside it.
class CliProgramTest : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::copy_file(ORVANE_CLI_PATH, program); }
    int run(const std::vector<std::string>& arguments) {
        test::ChildProcess child(program, arguments, temp / "out.txt", temp / "err.txt");
        const int status = child.wait();
        output = child.output();
        errors = child.errors();
        return status;
    }
    std::string logFile() const {
        const std::time_t now = std::time(nullptr);
        char name[40];
        std::strftime(name, sizeof name, "bin/logs/log_%d_%m_%Y.txt", std::localtime(&now));
        return test::readFile(temp / name);
    }

    test::TempFolder temp;
    std::string program = temp.makeFolder("bin") + "/orvane-cli";
    std::string source = temp.makeFolder("data"), destination = temp.makeFolder("backup");
    std::string output, errors;
};

// The log lines themselves are pinned where the run controller is tested.
TEST_F(CliProgramTest, RunsPrintTheirLogLinesAndAppendTheSameToTheDatedLog) {
    temp.write("data/a.txt", "hello");
    ASSERT_EQ(run({source, destination}), 0) << errors;
    const std::string first = output;
    EXPECT_TRUE(first.starts_with("New session started on ")) << first;

    ASSERT_EQ(run({"--move", "--direct", source, destination}), 0) << errors;
    EXPECT_NE(output.find("\nDirect Copying on\n"), std::string::npos) << output;
    EXPECT_FALSE(test::exists(source + "/a.txt"));
    // Standard error carries the summary alone when it is not a terminal.
    EXPECT_EQ(errors, "orvane-cli: 0 copied (0 re-copied), 1 skipped, 0 refused for space, 0 "
                      "failed, 0 cancelled, 1 sources deleted, 0 folders created, 0 folders "
                      "failed\n");
    // Both sessions went into the day's file, with CR LF and an empty line after each.
    EXPECT_EQ(logFile(),
              std::regex_replace(first + "\n" + output + "\n", std::regex("\n"), "\r\n"));
}

TEST_F(CliProgramTest, ExitStatusTellsPathErrorsFailuresAndUsage) {
    EXPECT_EQ(run({temp / "missing", destination}), 2);
    ASSERT_EQ(::mkfifo((source + "/pipe").c_str(), 0644), 0);
    EXPECT_EQ(run({source, destination}), 1);
    EXPECT_EQ(run({}), 64);
    EXPECT_TRUE(output.empty() && errors.find("\nusage: orvane-cli") != std::string::npos);
    EXPECT_EQ(run({"--bogus", source, destination}), 64);
    EXPECT_EQ(run({"--version"}), 0);
    EXPECT_EQ(output, "Orvane [1.0 Build37 BETA]\n");
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
    EXPECT_NE(screen.find("\r\x1b[KFiles: "), std::string::npos) << screen;
    EXPECT_NE(screen.find(" | Time elapsed: "), std::string::npos) << screen;
    EXPECT_NE(screen.find("\r\x1b[Korvane-cli: 1 copied"), std::string::npos) << screen;
}

TEST_F(CliProgramTest, InterruptInTheMiddleOfALargeFileStopsTheRunCleanly) {
    test::writeAll(source + "/big.bin", test::patterned(256 << 20));
    test::ChildProcess child(program, {"--move", source, destination}, temp / "out.txt",
                             temp / "err.txt");
    const auto copying = [&] { return child.holdsFileIn(destination + "/data"); };
    for (int waited = 0; waited < 60000 && !copying(); ++waited) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ASSERT_TRUE(copying()) << "the copy never started";
    child.signal(SIGINT);
    EXPECT_EQ(child.wait(), 1) << child.errors();
    EXPECT_NE(child.output().find("User clicked on [Stop]\nFile big.bin Canceled\n"),
              std::string::npos);
    EXPECT_TRUE(child.output().ends_with(std::string(46, '-') + "\n")) << child.output();
    EXPECT_NE(logFile().find("File big.bin Canceled\r\n"), std::string::npos);
    // Nothing half-written, and the source kept despite --move.
    EXPECT_TRUE(test::namesIn(destination + "/data").empty());
    EXPECT_EQ(std::filesystem::file_size(source + "/big.bin"), 256U << 20);
}

} // namespace orvane
