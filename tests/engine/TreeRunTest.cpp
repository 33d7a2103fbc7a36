#include "common/CopyFixtures.h"
#include "common/EngineHarness.h"
#include "common/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace orvane {
namespace {

using test::EngineHarness;
using test::readFile;
using test::TempFolder;
using Lines = std::vector<std::string>;

// A source with one file at the top and one below, and a destination folder ready, as Start
// leaves it before the engine runs. Each folder holds one entry besides "." and "..", so the
// system's listing order cannot change the expected sequence.
class TreeRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        source = temp.makeFolder("data");
        temp.write("data/sub/b.txt", "xyz");
        destination = temp.makeFolder("backup/data");
        harness.setFolders(source, destination);
    }
    std::string dst(const std::string& relative) const { return destination + "/" + relative; }

    TempFolder temp;
    EngineHarness harness;
    std::string source;
    std::string destination;
};

TEST_F(TreeRunTest, SurveyModeCopiesTheTreeWithItsLinesCountsAndTotals) {
    harness.runSurveyMode();
    EXPECT_EQ(harness.lines(),
              (Lines{"Dir: " + dst("sub") + " created", "File b.txt copied in <t> [3 B]"}));
    EXPECT_EQ(readFile(dst("sub/b.txt")), "xyz");
    // "." of data, "sub" in data, "." of sub.
    EXPECT_EQ(harness.state.DirCount, 3);
    EXPECT_EQ(harness.window.pbTotalFiles.Max(), 1);
    EXPECT_EQ(harness.window.pbTotalFiles.Value(), 1);
    EXPECT_EQ(harness.window.pbFileCopy.Value(), 100);
    EXPECT_EQ(harness.window.pbFileCopy.Text(), "100.0%");
    EXPECT_TRUE(harness.window.lstCopy.empty());
    EXPECT_EQ(harness.state.CTotalFileSize.raw(), 0);
    EXPECT_EQ(harness.state.CTotalFileSizetrans.raw(), 3);
    EXPECT_EQ(harness.state.CTotalFileSizeStart.raw(), 3);
    EXPECT_EQ(harness.state.outcome.filesCopied, 1);
    EXPECT_FALSE(harness.state.ListCopyActive);
}

TEST_F(TreeRunTest, SurveyListsEveryFileWithItsDestinationBeforeAnythingIsCopied) {
    std::vector<std::string> listed;
    harness.onYield = [&](int) {
        if (!harness.state.ListCopyActive && harness.window.lstCopy.count() > listed.size()) {
            listed.push_back(harness.window.lstCopy.item(listed.size()));
            EXPECT_FALSE(test::exists(dst("sub/b.txt")));
        }
    };
    Lines counts;
    harness.window.lblInfo[0].changed.bind(
        [&] { counts.push_back(harness.window.lblInfo[0].caption()); });
    harness.runSurveyMode();
    EXPECT_EQ(listed, Lines{source + "/sub/b.txt::" + dst("sub/b.txt")});
    // The survey counts on from Start's 1, so it reads one more than the files found; the
    // list run then shows files done of files found, before each item.
    EXPECT_EQ(counts, (Lines{"Files: 0/2", "Files: 0/1"}));
    EXPECT_EQ(harness.window.pbTotalFiles.Text(), "0.000%");
}

TEST_F(TreeRunTest, SecondRunSkipsEverythingAndCountsItAsDone) {
    harness.runSurveyMode();
    EngineHarness second;
    second.setFolders(source, destination);
    second.window.pbFileCopy.setValue(7);
    second.runSurveyMode();
    EXPECT_EQ(second.lines(), Lines{"1. File b.txt skipped, allready there, filesize ok"});
    EXPECT_EQ(second.window.pbFileCopy.Value(), second.window.pbFileCopy.Max());
    EXPECT_EQ(second.state.CTotalFileSize.raw(), 0);
    EXPECT_EQ(second.state.CTotalFileSizetrans.raw(), 3);
    EXPECT_EQ(second.state.outcome.filesSkipped, 1);
}

TEST_F(TreeRunTest, DestinationOfAnotherSizeIsDeletedAndCopiedAgain) {
    temp.write("backup/data/sub/b.txt", "longer than the source");
    harness.runSurveyMode();
    EXPECT_EQ(harness.lines(), (Lines{"1. File b.txt allready there, filesize wrong, deleted and "
                                      "recopied",
                                      "File b.txt copied in <t> [3 B]"}));
    EXPECT_EQ(readFile(dst("sub/b.txt")), "xyz");
    EXPECT_EQ(harness.state.outcome.filesRecopied, 1);
}

TEST_F(TreeRunTest, EmptyFilesAndEmptyFoldersAreCopied) {
    temp.write("data/sub/b.txt", "");
    temp.makeFolder("data/sub/nothing");
    harness.runSurveyMode();
    EXPECT_TRUE(std::filesystem::is_directory(dst("sub/nothing")));
    EXPECT_EQ(readFile(dst("sub/b.txt")), "");
    EXPECT_EQ(harness.window.pbFileCopy.Text(), "100.0%");
    EXPECT_EQ(harness.state.CTotalFileSizetrans.raw(), 0);
}

TEST_F(TreeRunTest, MoveModeDeletesCopiedSourcesButKeepsFoldersWithSubFolders) {
    harness.window.mnuOptMove.setChecked(true);
    harness.runSurveyMode();
    EXPECT_EQ(harness.lines(),
              (Lines{"Dir: " + dst("sub") + " created", "File b.txt copied in <t> [3 B]",
                     "Move is on, deleted the file b.txt"}));
    EXPECT_FALSE(test::exists(source + "/sub/b.txt"));
    // The source folder has a sub-folder, which is never removed, so it stays too.
    EXPECT_TRUE(std::filesystem::is_directory(source + "/sub"));
    EXPECT_EQ(harness.state.outcome.sourcesDeleted, 1);
}

TEST_F(TreeRunTest, MoveModeRemovesAnEmptiedSourceFolderWithoutSubFolders) {
    const std::string flat = temp.makeFolder("flat");
    temp.write("flat/only.txt", "1");
    const std::string flatDestination = temp.makeFolder("backup/flat");
    harness.setFolders(flat, flatDestination);
    harness.window.mnuOptMove.setChecked(true);
    harness.runSurveyMode();
    EXPECT_FALSE(test::exists(flat));
    EXPECT_EQ(readFile(flatDestination + "/only.txt"), "1");
}

TEST_F(TreeRunTest, DirectWalkNumbersPerFolderWhileTheListRunNumbersOnAcrossFolders) {
    temp.write("data/a.txt", "1");
    temp.write("backup/data/a.txt", "1");
    temp.write("backup/data/sub/b.txt", "xyz");
    const Lines perFolder{"1. File a.txt skipped, allready there, filesize ok",
                          "1. File b.txt skipped, allready there, filesize ok"};
    harness.runDirectMode();
    Lines direct = harness.lines();
    std::sort(direct.begin(), direct.end());
    EXPECT_EQ(direct, perFolder);
    // Direct mode never takes back the initial 1 of the file count.
    EXPECT_EQ(harness.window.pbTotalFiles.Max(), 3);
    EXPECT_EQ(harness.window.lblInfo[0].caption(), "Files: 3");

    EngineHarness list;
    list.setFolders(source, destination);
    list.runSurveyMode();
    const Lines numbers = list.lines();
    ASSERT_EQ(numbers.size(), 2U);
    EXPECT_EQ(numbers[0].substr(0, 3), "1. ");
    EXPECT_EQ(numbers[1].substr(0, 3), "2. ");
}

TEST_F(TreeRunTest, DirectWalkCopiesAndCountsLikeTheSurveyButWithoutAList) {
    harness.runDirectMode();
    EXPECT_EQ(harness.lines(),
              (Lines{"Dir: " + dst("sub") + " created", "File b.txt copied in <t> [3 B]"}));
    EXPECT_EQ(harness.state.DirCount, 3);
    EXPECT_TRUE(harness.window.lstCopy.empty());
    // In direct mode the to-do total starts at 0 and only falls.
    EXPECT_EQ(harness.state.CTotalFileSize.raw(), -3);
    EXPECT_EQ(harness.state.CTotalFileSizetrans.raw(), 3);
    EXPECT_EQ(harness.window.lblInfo[1].caption(),
              "Copying file b.txt\r\nFrom: " + source + "/sub/\r\nTo: " + dst("sub/"));
}

TEST_F(TreeRunTest, ListItemsOfFilesThatVanishedCostOnlyThemselves) {
    temp.write("data/sub/c.txt", "c");
    harness.onYield = [&](int) {
        if (harness.state.ListCopyActive) {
            // Whichever file comes first, the other disappears before its turn.
            std::filesystem::remove(source + "/sub/b.txt");
        }
    };
    harness.runSurveyMode();
    EXPECT_EQ(harness.state.outcome.filesCopied + harness.state.outcome.filesFailed, 2);
    EXPECT_TRUE(harness.window.lstCopy.empty());
    EXPECT_TRUE(test::exists(dst("sub/c.txt")));
}

} // namespace
} // namespace orvane
