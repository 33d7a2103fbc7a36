#include "common/CopyFixtures.h"
#include "common/EngineHarness.h"
#include "common/TempFolder.h"

#include "platform/FileCopy.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orvane {
namespace {

using test::EngineHarness;
using test::readFile;
using test::TempFolder;

constexpr std::size_t kLargeFile = 12 * 1024 * 1024; // several chunks of the platform copy

// Every entry below the folder whose name marks it as a copy's temporary.
std::vector<std::string> temporariesBelow(const std::string& folder) {
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.path().filename().string().ends_with(".orvane-part")) {
            found.push_back(entry.path().string());
        }
    }
    return found;
}

// A run killed outright, as by a power cut or the task manager, in the middle of a large
// file: the only trace it may leave is the hidden temporary, and a second run must finish
// the job as if the first had never happened.
TEST(InterruptedRun, KillInTheMiddleOfAFileLeavesNoPartialFileAndTheNextRunCompletesTheTree) {
    TempFolder temp;
    const std::string source = temp.makeFolder("data");
    const std::string destination = temp.makeFolder("backup/data");
    const std::string big = test::patterned(kLargeFile);
    test::writeAll(source + "/big.bin", big);
    temp.write("data/a.txt", "a");
    temp.write("data/sub/c.txt", "c");

    int midCopy[2];
    ASSERT_EQ(::pipe(midCopy), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(midCopy[0]);
        EngineHarness harness;
        harness.setFolders(source, destination);
        harness.window.mnuOptMove.setChecked(true);
        harness.onYield = [&](int) {
            if (harness.window.lblInfo[1].caption().starts_with("Copying file big.bin") &&
                !harness.state.CLastTransferred.isZero()) {
                (void)!::write(midCopy[1], "k", 1);
                for (;;) {
                    ::pause();
                }
            }
        };
        harness.runSurveyMode();
        ::_exit(0); // never reached big.bin: the parent reads no signal and fails
    }
    ::close(midCopy[1]);
    char signal = 0;
    const ssize_t got = ::read(midCopy[0], &signal, 1);
    ::close(midCopy[0]);
    if (got == 1) {
        ::kill(child, SIGKILL);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_EQ(got, 1) << "the child ended before it was in the middle of big.bin";
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

    const std::string temporary = platform::temporaryNameFor(destination + "/big.bin");
    EXPECT_FALSE(test::exists(destination + "/big.bin"));
    EXPECT_EQ(temporariesBelow(destination), std::vector<std::string>{temporary});
    EXPECT_LT(readFile(temporary).size(), kLargeFile);
    EXPECT_TRUE(readFile(source + "/big.bin") == big);

    EngineHarness next;
    next.setFolders(source, destination);
    next.window.mnuOptMove.setChecked(true);
    next.runSurveyMode();
    EXPECT_TRUE(readFile(destination + "/big.bin") == big);
    EXPECT_EQ(readFile(destination + "/a.txt"), "a");
    EXPECT_EQ(readFile(destination + "/sub/c.txt"), "c");
    EXPECT_EQ(temporariesBelow(destination), std::vector<std::string>{});
    EXPECT_EQ(test::namesIn(destination), (std::set<std::string>{"a.txt", "big.bin", "sub"}));
    // Every file went in one run or the other; only the folders of the source remain.
    EXPECT_EQ(test::namesIn(source), std::set<std::string>{"sub"});
    EXPECT_TRUE(test::namesIn(source + "/sub").empty());
    EXPECT_FALSE(next.state.outcome.anyFileLost());
}

} // namespace
} // namespace orvane
