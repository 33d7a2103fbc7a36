#include "common/ChildProcess.h"
#include "common/CopyFixtures.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <sstream>

namespace orvane {

// The most system calls that one more small file may cost a fresh copy in survey mode, all
// told: its survey look, its destination look, the copy with its metadata, its placing and its
// log line. docs/performance.md lists them call by call.
constexpr double kCallsPerFile = 18.0;

// Call counts do not drift with the machine's load as times do: a change that makes each file
// cost more calls than its guarantees need fails here, whatever machine runs it.
TEST(SystemCallBudget, EachMoreFileOfAFreshCopyCostsAtMostItsBudget) {
    test::CliProgram cli;
    const std::string strace = "/usr/bin/strace", summary = cli.temp / "summary.txt";
    if (!test::exists(strace) || cli.run({"-f", "-c", "-o", summary, "/bin/true"}, {}, strace)) {
        GTEST_SKIP() << "strace cannot count the calls here " << cli.errors;
    }
    // The leak checker of a sanitized build cannot work under a tracer; it is not measured here.
    const char* asan = std::getenv("ASAN_OPTIONS");
    const test::EnvironmentChanges noLeakCheck{
        {"ASAN_OPTIONS", std::string(asan ? asan : "") + ":detect_leaks=0"}};
    // A fresh copy of a tree of folders of 100 files of 1 to 16 KiB each, as small files come;
    // the calls of the whole run, from the last line of strace's summary: % time, seconds,
    // usecs/call, calls, [errors,] total.
    const auto callsToCopy = [&](const std::string& tree, int folders) {
        for (int file = 0; file < 100 * folders; ++file) {
            const int n = file % 100;
            cli.temp.write(tree + "/f" + std::to_string(file / 100) + "/" + std::to_string(n),
                           test::patterned(1024 + n * 157 % 15360, n + 1));
        }
        EXPECT_EQ(cli.run({"-f", "-c", "-o", summary, cli.program, cli.temp / tree,
                           cli.temp.makeFolder("to-" + tree)},
                          noLeakCheck, strace),
                  0)
            << cli.errors;
        const std::string text = test::readFile(summary);
        std::istringstream fields(text.substr(text.rfind('\n', text.rfind(" total")) + 1));
        std::string skipped;
        long calls = -1;
        fields >> skipped >> skipped >> skipped >> calls;
        return calls;
    };
    const long one = callsToCopy("one", 1);
    const long four = callsToCopy("four", 4);
    ASSERT_GT(one, 0);
    // What the program costs whatever it copies cancels out; three folders' worth stays.
    const double perFile = static_cast<double>(four - one) / 300.0;
    EXPECT_LE(perFile, kCallsPerFile) << (four - one) << " calls for 300 more files";
    std::cout << "[ calls    ] " << perFile << " a file\n";
}

} // namespace orvane
