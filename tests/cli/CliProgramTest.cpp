#include "common/ChildProcess.h"
#include "common/CopyFixtures.h"
#include "common/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <regex>
#include <sstream>
#include <thread>

namespace orvane {
namespace {

using test::ChildProcess;
using test::TempFolder;
using Lines = std::vector<std::string>;

Lines splitLines(const std::string& text, const std::string& ending = "\n") {
    Lines lines;
    std::size_t start = 0;
    for (auto end = text.find(ending); end != std::string::npos; end = text.find(ending, start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + ending.size();
    }
    return lines;
}

std::string todaysLogName() {
    const std::time_t now = std::time(nullptr);
    std::tm day{};
    ::localtime_r(&now, &day);
    char name[32];
    std::strftime(name, sizeof name, "log_%d_%m_%Y.txt", &day);
    return name;
}

// The built program, copied into a scratch folder of its own: its INI file and its logs
// folder are made beside it, where the test can read them.
class CliProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        program = temp.makeFolder("bin") + "/orvane-cli";
        std::filesystem::copy_file(ORVANE_CLI_PATH, program);
        source = temp.makeFolder("data");
        destination = temp.makeFolder("backup");
    }
    ChildProcess start(const std::vector<std::string>& arguments) {
        return ChildProcess(program, arguments, temp / "out.txt", temp / "err.txt");
    }
    int run(const std::vector<std::string>& arguments) {
        ChildProcess child = start(arguments);
        const int status = child.wait();
        output = child.output();
        errors = child.errors();
        return status;
    }
    std::string logFile() const { return test::readFile(temp / ("bin/logs/" + todaysLogName())); }

    TempFolder temp;
    std::string program;
    std::string source;
    std::string destination;
    std::string output;
    std::string errors;
};

TEST_F(CliProgramTest, CopyPrintsEveryLogLineAndAppendsTheSameToTheDatedLog) {
    temp.write("data/sub/a.txt", "hello");
    ASSERT_EQ(run({source, destination}), 0) << errors;
    const Lines lines = splitLines(output);
    ASSERT_EQ(lines.size(), 10U) << output;
    EXPECT_TRUE(lines[0].starts_with("New session started on "));
    EXPECT_EQ(lines[1], std::string(46, '-'));
    EXPECT_TRUE(lines[2].starts_with("Start copying on "));
    EXPECT_EQ(lines[3], "Dir: " + destination + "/data created");
    EXPECT_EQ(lines[4], "Dir: " + destination + "/data/sub created");
    EXPECT_EQ(lines[5], "Total files to copy: 1 file(s) in 3 directory(s)");
    EXPECT_TRUE(
        std::regex_match(lines[6], std::regex("File a\\.txt copied in [0-9:.]+ \\[5 B\\]")));
    EXPECT_TRUE(lines[7].starts_with("Total time taken 0:00:0"));
    EXPECT_TRUE(lines[8].starts_with("Stopped copying on "));
    EXPECT_EQ(lines[9], std::string(46, '-'));
    EXPECT_EQ(test::readFile(destination + "/data/sub/a.txt"), "hello");

    // The log file holds the same lines, with CR LF and an empty line closing the block.
    std::string expected;
    for (const auto& line : lines) {
        expected += line + "\r\n";
    }
    EXPECT_EQ(logFile(), expected + "\r\n");
    // Standard error carries the summary alone when it is not a terminal.
    EXPECT_EQ(errors, "orvane-cli: 1 copied (0 re-copied), 0 skipped, 0 refused for space, 0 "
                      "failed, 0 cancelled, 0 sources deleted, 2 folders created, 0 folders "
                      "failed\n");
    EXPECT_NE(test::readFile(temp / "bin/orvane-cli.ini").find("USE=2\r\n"), std::string::npos);
}

TEST_F(CliProgramTest, SecondRunSkipsAndMoveDeletesTheSourcesInTheSameLogFile) {
    temp.write("data/a.txt", "1");
    ASSERT_EQ(run({source, destination}), 0);
    ASSERT_EQ(run({"--move", "--direct", source, destination}), 0) << errors;
    const Lines lines = splitLines(output);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Direct Copying on"), 1);
    EXPECT_EQ(std::count(lines.begin(), lines.end(),
                         "1. File a.txt skipped, allready there, filesize ok"),
              1);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Move is on, deleted the file a.txt"), 1);
    EXPECT_FALSE(test::exists(source + "/a.txt"));
    // Both sessions went into the one file of the day, in order.
    const Lines logged = splitLines(logFile(), "\r\n");
    EXPECT_EQ(std::count(logged.begin(), logged.end(), "Direct Copying on"), 1);
    EXPECT_EQ(std::count_if(logged.begin(), logged.end(),
                            [](const std::string& line) {
                                return line.starts_with("New session started on ");
                            }),
              2);
}

TEST_F(CliProgramTest, ExitStatusTellsPathErrorsFailuresAndUsage) {
    EXPECT_EQ(run({temp / "missing", destination}), 2);
    EXPECT_NE(output.find("Source Path error: " + temp / "missing\n"), std::string::npos);

    EXPECT_EQ(run({source, source + "/inner"}), 2);
    EXPECT_NE(output.find("Destination Path error: " + source + "/inner/data\n"),
              std::string::npos);
    EXPECT_FALSE(test::exists(source + "/inner"));

    ASSERT_EQ(::mkfifo((source + "/pipe").c_str(), 0644), 0);
    temp.write("data/fine.txt", "ok");
    EXPECT_EQ(run({source, destination}), 1);
    EXPECT_NE(output.find("File pipe reported err: 0"), std::string::npos);
    EXPECT_EQ(test::readFile(destination + "/data/fine.txt"), "ok");

    EXPECT_EQ(run({}), 64);
    EXPECT_NE(errors.find("usage: orvane-cli"), std::string::npos);
    EXPECT_EQ(output, "");
    EXPECT_EQ(run({"--bogus", source, destination}), 64);
    EXPECT_EQ(run({"--version"}), 0);
    EXPECT_EQ(output, "Orvane [1.0 Build37 BETA]\n");
    EXPECT_EQ(run({"--help"}), 0);
    EXPECT_TRUE(output.starts_with("usage: orvane-cli [--move] [--direct] SOURCE DESTINATION"));
}

TEST_F(CliProgramTest, InterruptInTheMiddleOfALargeFileStopsTheRunCleanly) {
    constexpr std::size_t kBig = 256 * 1024 * 1024;
    test::writeAll(source + "/big.bin", test::patterned(kBig));
    const std::string temporary = destination + "/data/.big.bin.orvane-part";
    ChildProcess child = start({"--move", source, destination});
    // Wait for the copy to be under way: its temporary exists once the first chunk is in.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!test::exists(temporary) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ASSERT_TRUE(test::exists(temporary)) << "the copy never started";
    child.signal(SIGINT);
    EXPECT_EQ(child.wait(), 1) << child.errors();

    const Lines lines = splitLines(child.output());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "User clicked on [Stop]"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "File big.bin Canceled"), lines.end())
        << child.output();
    EXPECT_TRUE(lines.back() == std::string(46, '-'));
    // Nothing half-written: no destination, no temporary, and the source kept despite --move.
    EXPECT_EQ(test::namesIn(destination + "/data"), std::set<std::string>{});
    EXPECT_EQ(std::filesystem::file_size(source + "/big.bin"), kBig);
    EXPECT_NE(logFile().find("File big.bin Canceled\r\n"), std::string::npos);
    EXPECT_NE(child.errors().find("1 cancelled"), std::string::npos);
}

} // namespace
} // namespace orvane
