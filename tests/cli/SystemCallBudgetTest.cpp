#include "common/ChildProcess.h"
#include "common/CopyFixtures.h"
#include "common/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>

namespace orvane {

namespace {

// The most system calls that one more small file may cost a fresh copy in survey mode, all
// told: its survey look, its destination look, the copy with its metadata, its placing and
// its log line. docs/performance.md lists them call by call.
constexpr double kCallsPerFile = 18.0;

std::string straceProgram() {
    for (const char* folder : {"/usr/bin/", "/bin/", "/usr/local/bin/"}) {
        if (test::exists(std::string(folder) + "strace")) {
            return std::string(folder) + "strace";
        }
    }
    return {};
}

// A tree of folders of 100 files of 1 to 16 KiB each, as small files come.
void makeTree(const test::TempFolder& temp, const std::string& name, int folders) {
    for (int folder = 0; folder < folders; ++folder) {
        const std::string path = temp.makeFolder(name + "/f" + std::to_string(folder));
        for (int file = 0; file < 100; ++file) {
            const std::size_t size = 1024 + static_cast<std::size_t>(file * 157 % 15360);
            test::writeAll(path + "/" + std::to_string(file) + ".bin",
                           test::patterned(size, static_cast<std::uint32_t>(file + 1)));
        }
    }
}

// The calls of a whole run of the program, from the summary strace writes: its last line.
long callsOfRun(const std::string& strace, const std::string& program,
                const std::vector<std::string>& arguments, const test::TempFolder& temp) {
    std::vector<std::string> command{"-f", "-c", "-o", temp / "summary.txt", program};
    command.insert(command.end(), arguments.begin(), arguments.end());
    // The leak checker of a sanitized build cannot work under a tracer; it is not what is
    // measured here.
    const char* sanitizer = std::getenv("ASAN_OPTIONS");
    const std::string options =
        std::string(sanitizer ? sanitizer : "") + (sanitizer ? ":" : "") + "detect_leaks=0";
    test::ChildProcess child(strace, command, temp / "out.txt", temp / "err.txt",
                             {{"ASAN_OPTIONS", options}});
    EXPECT_EQ(child.wait(), 0) << child.errors();
    std::istringstream summary(test::readFile(temp / "summary.txt"));
    std::string line;
    std::string last;
    while (std::getline(summary, line)) {
        if (line.find(" total") != std::string::npos) {
            last = line;
        }
    }
    // % time, seconds, usecs/call, calls, [errors,] total
    std::istringstream fields(last);
    std::string skipped;
    long calls = -1;
    fields >> skipped >> skipped >> skipped >> calls;
    return calls;
}

} // namespace

// Call counts do not drift with the machine's load as times do: a change that makes each
// file cost more calls than its guarantees need fails here, whatever machine runs it.
TEST(SystemCallBudget, EachMoreFileOfAFreshCopyCostsAtMostItsBudget) {
    const std::string strace = straceProgram();
    if (strace.empty()) {
        GTEST_SKIP() << "strace is not installed: the calls cannot be counted";
    }
    test::TempFolder temp;
    {
        test::ChildProcess probe(strace, {"-f", "-c", "-o", "/dev/null", "/bin/true"},
                                 temp / "out.txt", temp / "err.txt");
        if (probe.wait() != 0) {
            GTEST_SKIP() << "strace cannot trace here: " << probe.errors();
        }
    }
    const std::string program = temp.makeFolder("bin") + "/orvane-cli";
    std::filesystem::copy_file(ORVANE_CLI_PATH, program);
    makeTree(temp, "one", 1);
    makeTree(temp, "four", 4);
    const long one = callsOfRun(strace, program, {temp / "one", temp.makeFolder("to1")}, temp);
    const long four = callsOfRun(strace, program, {temp / "four", temp.makeFolder("to4")}, temp);
    ASSERT_GT(one, 0);
    ASSERT_GT(four, one);
    // What the program costs whatever it copies cancels out; three folders' worth stays.
    const double perFile = static_cast<double>(four - one) / 300.0;
    EXPECT_LE(perFile, kCallsPerFile) << (four - one) << " calls for 300 more files";
    std::cout << "[ calls    ] " << perFile << " a file\n";
    EXPECT_EQ(test::readFile(temp / "four/f3/99.bin"), test::readFile(temp / "to4/four/f3/99.bin"));
}

} // namespace orvane
