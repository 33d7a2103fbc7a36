#include "common/CopyFixtures.h"
#include "common/EngineHarness.h"
#include "common/LogLines.h"
#include "common/TempFolder.h"
#include "common/TreeSnapshot.h"
#include "common/Unprivileged.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <sstream>

namespace orvane {
namespace {

using test::EngineHarness;
using test::inAnyOrder;
using test::TempFolder;
using Lines = std::vector<std::string>;

const std::string notUtf8 = "caf\xe9 \xff\xfe.txt";

void makeSocket(const std::string& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(path.size(), sizeof address.sun_path);
    std::strcpy(address.sun_path, path.c_str());
    ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
}

// A source that holds, beside plain files, every kind of entry that can trip a copy: things
// that cannot be copied, links that lead nowhere or in circles or to a folder, and names
// that are not text or that contain the copy list's own separator.
class BadSourceEntryTest : public ::testing::Test {
protected:
    void SetUp() override {
        source = temp.makeFolder("data");
        destination = temp.makeFolder("backup/data");
        harness.setFolders(source, destination);
        temp.write("data/good.txt", "good");
        temp.write("data/sub/inner.txt", "inner");
        temp.write("data/" + notUtf8, "bytes");
        temp.write("data/two::colons", "colons");
        temp.write("data/vanish.txt", "soon gone");
        ASSERT_EQ(::mkfifo((source + "/fifo").c_str(), 0644), 0);
        makeSocket(source + "/sock");
        ASSERT_EQ(::symlink("missing-target", (source + "/dangling").c_str()), 0);
        ASSERT_EQ(::symlink("loopB", (source + "/loopA").c_str()), 0);
        ASSERT_EQ(::symlink("loopA", (source + "/loopB").c_str()), 0);
        ASSERT_EQ(::symlink("sub", (source + "/folderLink").c_str()), 0);
    }

    // What the destination must hold: the source as it was, less what cannot be copied.
    test::TreeFacts copyableSource() const {
        test::TreeFacts facts = test::snapshotTree(source);
        facts.erase("fifo");
        facts.erase("sock");
        return facts;
    }

    // The lines of every entry that copies, whatever the mode.
    static Lines copiedLines() {
        return {"File " + notUtf8 + " copied in <t> [5 B]", "File dangling copied in <t> [14 B]",
                "File folderLink copied in <t> [3 B]",      "File good.txt copied in <t> [4 B]",
                "File inner.txt copied in <t> [5 B]",       "File loopA copied in <t> [5 B]",
                "File loopB copied in <t> [5 B]",           "File two::colons copied in <t> [6 B]"};
    }

    TempFolder temp;
    EngineHarness harness;
    std::string source;
    std::string destination;
};

TEST_F(BadSourceEntryTest, EachBadEntryCostsOnlyItselfAndTheRestIsCopiedExactly) {
    bool removed = false;
    harness.onYield = [&](int) {
        // Gone after the survey listed it, before its turn in the list run.
        if (!removed && !harness.window.lstCopy.empty() &&
            harness.window.lstCopy.item(harness.window.lstCopy.count() - 1)
                .ends_with("/vanish.txt")) {
            removed = std::filesystem::remove(source + "/vanish.txt");
        }
    };
    harness.runSurveyMode();
    ASSERT_TRUE(removed);

    Lines expected = copiedLines();
    expected.push_back("#. File fifo reported err: 0");
    expected.push_back("#. File sock reported err: 0");
    expected.push_back("#. File vanish.txt reported err: 0");
    expected.push_back("Dir: " + destination + "/sub created");
    EXPECT_EQ(inAnyOrder(harness.lines()), inAnyOrder(expected));
    // Links are recreated as links (targets included), never followed; no temporary stays.
    EXPECT_EQ(test::treeDifferences(copyableSource(), source, destination), Lines{});
    EXPECT_EQ(harness.state.outcome.filesCopied, 8);
    EXPECT_EQ(harness.state.outcome.filesFailed, 3);
    EXPECT_EQ(harness.window.pbTotalFiles.Value(), 11);
    EXPECT_TRUE(harness.window.lstCopy.empty());
    EXPECT_EQ(harness.state.pendingError.number, 0);
}

TEST_F(BadSourceEntryTest, DirectMoveMovesEverythingCopyableAndLeavesTheRestInPlace) {
    const test::TreeFacts before = copyableSource();
    // The sources go away, so their bytes are kept aside to compare the moved files with.
    const std::string pristine = temp.makeFolder("pristine");
    for (const auto& [path, facts] : before) {
        if (facts.kind == 'f') {
            temp.write("pristine/" + path, test::readFile(source + "/" + path));
        }
    }
    harness.window.mnuOptMove.setChecked(true);
    harness.runDirectMode();

    Lines expected = copiedLines();
    expected.push_back("File vanish.txt copied in <t> [9 B]");
    expected.push_back("#. File fifo reported err: 0");
    expected.push_back("#. File sock reported err: 0");
    expected.push_back("Dir: " + destination + "/sub created");
    for (const char* name : {"dangling", "folderLink", "good.txt", "inner.txt", "loopA", "loopB",
                             "two::colons", "vanish.txt", notUtf8.c_str()}) {
        expected.push_back(std::string("Move is on, deleted the file ") + name);
    }
    EXPECT_EQ(inAnyOrder(harness.lines()), inAnyOrder(expected));
    EXPECT_EQ(test::treeDifferences(before, pristine, destination), Lines{});
    // What could not be copied stays; the walk never removes folders.
    EXPECT_EQ(test::namesIn(source), (std::set<std::string>{"fifo", "sock", "sub"}));
    EXPECT_TRUE(test::namesIn(source + "/sub").empty());
    EXPECT_EQ(harness.state.outcome.sourcesDeleted, 9);
}

// Everything below is written out by the child: the pending error, then the log lines.
std::string reportOf(const EngineHarness& harness) {
    std::string report = "pending " + std::to_string(harness.state.pendingError.number) + " " +
                         harness.state.pendingError.description + "\n";
    for (const auto& line : inAnyOrder(harness.lines())) {
        report += line + "\n";
    }
    return report;
}

TEST(UnreadableSource, FolderIsPassedOverAndLeftPendingWhileTheRestIsCopied) {
    TempFolder temp;
    const std::string source = temp.makeFolder("data");
    temp.write("data/a.txt", "a");
    temp.write("data/locked/secret.txt", "secret");
    temp.write("data/z/after.txt", "after");
    temp.write("data/z/unreadable.bin", "private");
    const std::string survey = temp.makeFolder("survey/data");
    const std::string direct = temp.makeFolder("direct/data");
    test::giveTreeToNobody(temp.path());
    const std::string locked = source + "/locked";
    ASSERT_EQ(::chmod(locked.c_str(), 0), 0);
    ASSERT_EQ(::chmod((source + "/z/unreadable.bin").c_str(), 0), 0);

    const test::ChildRun child = test::runUnprivileged(locked, [&](int out) {
        std::string report;
        EngineHarness surveyRun;
        surveyRun.setFolders(source, survey);
        surveyRun.runSurveyMode();
        report += reportOf(surveyRun);
        EngineHarness directRun;
        directRun.setFolders(source, direct);
        directRun.runDirectMode();
        report += reportOf(directRun);
        (void)!::write(out, report.data(), report.size());
    });
    ::chmod(locked.c_str(), 0755);
    if (child.exitedWith(test::childCannotDropPrivileges)) {
        GTEST_SKIP() << "cannot become uid " << test::nobodyId << " here";
    }
    if (child.exitedWith(test::childPermissionsDoNotBind)) {
        GTEST_SKIP() << "permission bits do not bind the unprivileged user here";
    }
    ASSERT_TRUE(child.exitedWith(0)) << "child status " << child.status;

    const auto expectedFor = [&](const std::string& destination) {
        return "pending " + std::to_string(EACCES) + " Cannot read the folder " + locked + " (" +
               std::strerror(EACCES) + ")\n" + "#. File unreadable.bin reported err: 0\n" +
               "Dir: " + destination + "/locked created\n" + "Dir: " + destination +
               "/z created\n" + "File a.txt copied in <t> [1 B]\n" +
               "File after.txt copied in <t> [5 B]\n";
    };
    EXPECT_EQ(child.output, expectedFor(survey) + expectedFor(direct));
    for (const std::string& destination : {survey, direct}) {
        EXPECT_EQ(test::readFile(destination + "/a.txt"), "a");
        EXPECT_EQ(test::readFile(destination + "/z/after.txt"), "after");
        EXPECT_EQ(test::namesIn(destination + "/z"), std::set<std::string>{"after.txt"});
        EXPECT_TRUE(test::namesIn(destination + "/locked").empty());
    }
}

} // namespace
} // namespace orvane
