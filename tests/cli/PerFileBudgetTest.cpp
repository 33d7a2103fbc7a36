#include "common/ChildProcess.h"
#include "common/CopyFixtures.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <regex>
#include <sstream>

namespace orvane {

namespace {

// What one more small file may cost a fresh copy at most, all told (its survey look, its
// destination look, the copy with its metadata, its placing, its log line and its texts), in
// survey mode and in direct mode. docs/performance.md lists the calls one by one.
constexpr double kCallsPerFile = 18.0;
// In survey mode the copy list's item; the texts are composed in storage the run reuses, and
// the log line goes into the log's blocks. The rest is the folders' own, shared by their files.
constexpr double kAllocationsPerFile[] = {2.0, 1.0};
// Of the program optimised as users get it: callgrind counts user-space instructions only.
constexpr double kInstructionsPerFile[] = {8000.0, 7000.0};

// Counts do not drift with the machine's load as times do: a change that makes each file cost
// more than its guarantees need fails here, whatever machine runs it.
//
// The cost of one more file in a fresh copy: a tree of four folders of 100 files of 1 to 16 KiB,
// as small files come, less one of one folder, over 300. `count` runs the program under what
// counts (its arguments, then the program's) and returns its count for the whole run; what
// the program costs whatever it copies cancels out.
template <typename Count>
double costPerFile(test::CliProgram& cli, const std::string& program, bool direct, Count count) {
    double counts[2] = {};
    for (const int folders : {1, 4}) {
        const std::string name = "tree-" + std::to_string(folders), tree = cli.temp / name;
        const bool made = test::exists(tree); // by the other mode's measurement
        for (int file = 0; !made && file < 100 * folders; ++file) {
            const int n = file % 100;
            cli.temp.write(name + "/f" + std::to_string(file / 100) + "/" + std::to_string(n),
                           test::patterned(1024 + n * 157 % 15360, n + 1));
        }
        std::vector<std::string> arguments{program};
        if (direct) {
            arguments.push_back("--direct");
        }
        arguments.push_back(tree);
        arguments.push_back(cli.temp.makeFolder("to-" + std::to_string(folders) +
                                                (direct ? "-direct" : "-survey")));
        counts[folders == 4] = count(arguments);
    }
    EXPECT_GT(counts[0], 0);
    return (counts[1] - counts[0]) / 300.0;
}

// The sanitizers' runtimes neither run under valgrind nor share the heap with a counter.
constexpr bool kSanitized =
#if defined(__SANITIZE_ADDRESS__)
    true;
#else
    false;
#endif

} // namespace

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
    // The calls of the whole run, from the last line of strace's summary: % time, seconds,
    // usecs/call, calls, [errors,] total.
    const double perFile = costPerFile(cli, cli.program, false, [&](auto arguments) {
        arguments.insert(arguments.begin(), {"-f", "-c", "-o", summary});
        EXPECT_EQ(cli.run(arguments, noLeakCheck, strace), 0) << cli.errors;
        const std::string text = test::readFile(summary);
        std::istringstream fields(text.substr(text.rfind('\n', text.rfind(" total")) + 1));
        std::string skipped;
        double calls = -1;
        fields >> skipped >> skipped >> skipped >> calls;
        return calls;
    });
    EXPECT_LE(perFile, kCallsPerFile);
    std::cout << "[ calls    ] " << perFile << " a file\n";
}

TEST(AllocationBudget, EachMoreFileOfAFreshCopyCostsAtMostItsBudget) {
    if (kSanitized) {
        GTEST_SKIP() << "the sanitizer keeps the heap";
    }
    test::CliProgram cli;
    const std::string counted = cli.temp / "allocations.txt";
    const test::EnvironmentChanges counter{{"LD_PRELOAD", ORVANE_ALLOCATION_COUNTER_PATH},
                                           {"ORVANE_ALLOCATIONS_FILE", counted}};
    for (const bool direct : {false, true}) {
        const double perFile = costPerFile(cli, cli.program, direct, [&](auto arguments) {
            const std::string program = arguments.front();
            arguments.erase(arguments.begin());
            EXPECT_EQ(cli.run(arguments, counter, program), 0) << cli.errors;
            return std::stod(test::readFile(counted));
        });
        EXPECT_LE(perFile, kAllocationsPerFile[direct]) << (direct ? "direct" : "survey");
        std::cout << "[ allocs   ] " << perFile << " a file" << (direct ? ", direct\n" : "\n");
    }
}

#ifdef ORVANE_OPTIMISED_CLI_PATH
TEST(InstructionBudget, EachMoreFileOfAFreshCopyCostsAtMostItsBudget) {
    test::CliProgram cli;
    const std::string valgrind = "/usr/bin/valgrind", profile = cli.temp / "callgrind.out";
    if (kSanitized || !test::exists(valgrind)) {
        GTEST_SKIP() << "valgrind cannot count the instructions here";
    }
    const std::string program = cli.temp / "bin/orvane-cli-optimised";
    std::filesystem::copy_file(ORVANE_OPTIMISED_CLI_PATH, program);
    for (const bool direct : {false, true}) {
        const double perFile = costPerFile(cli, program, direct, [&](auto arguments) {
            arguments.insert(arguments.begin(),
                             {"--tool=callgrind", "--callgrind-out-file=" + profile});
            EXPECT_EQ(cli.run(arguments, {}, valgrind), 0) << cli.errors;
            std::smatch total;
            const std::string text = test::readFile(profile);
            return std::regex_search(text, total, std::regex("\n(summary|totals): ([0-9]+)"))
                       ? std::stod(total[2])
                       : -1.0;
        });
        EXPECT_LE(perFile, kInstructionsPerFile[direct]) << (direct ? "direct" : "survey");
        std::cout << "[ instrs   ] " << perFile << " a file" << (direct ? ", direct\n" : "\n");
    }
}
#endif

} // namespace orvane
