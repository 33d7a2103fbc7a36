#include "engine/DestinationDirs.h"
#include "common/EngineHarness.h"
#include "common/TempFolder.h"
#include "engine/FileOperations.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace orvane {
namespace {

using test::EngineHarness;
using test::TempFolder;
using Lines = std::vector<std::string>;

class DestinationDirsTest : public ::testing::Test {
protected:
    void SetUp() override {
        source = temp.makeFolder("data");
        destination = temp.makeFolder("backup") + "/data";
        harness.window.txtSource.setCaption(source);
        harness.window.txtDestination.setCaption(destination);
    }
    TempFolder temp;
    EngineHarness harness;
    std::string source;
    std::string destination;
};

TEST_F(DestinationDirsTest, MissingFolderIsCreatedWithOneLineAndOneYield) {
    MakeDestinationDir(harness.context(), source);
    EXPECT_TRUE(std::filesystem::is_directory(destination));
    EXPECT_EQ(harness.lines(), Lines{"Dir: " + destination + " created"});
    EXPECT_EQ(harness.yields, 1);
    EXPECT_EQ(harness.state.outcome.foldersCreated, 1);
}

TEST_F(DestinationDirsTest, ExistingFolderLogsNothingButStillYields) {
    temp.makeFolder("backup/data/sub");
    MakeDestinationDir(harness.context(), source + "/sub");
    EXPECT_TRUE(harness.lines().empty());
    EXPECT_EQ(harness.yields, 1);
}

TEST_F(DestinationDirsTest, FolderWhoseParentIsMissingFailsWithItsLine) {
    MakeDestinationDir(harness.context(), source + "/a/b");
    EXPECT_EQ(harness.lines(), Lines{"Failed to create dir: " + destination + "/a/b"});
    EXPECT_EQ(harness.yields, 1);
    EXPECT_EQ(harness.state.outcome.foldersFailed, 1);
}

TEST_F(DestinationDirsTest, CopyListItemCarriesBothPathsAndTheSizeInValueScale) {
    const std::string file = temp.write("data/sub/a.txt", "12345");
    temp.write("data/b.txt", "xy");
    harness.state.CTotalFileSizeStart = Amount::fromValue(999);
    AddToCopyList(harness.context(), file);
    AddToCopyList(harness.context(), source + "/b.txt");
    ASSERT_EQ(harness.window.lstCopy.count(), 2U);
    EXPECT_EQ(harness.window.lstCopy.item(0), file + "::" + destination + "/sub/a.txt");
    EXPECT_EQ(harness.window.lstCopy.item(1), source + "/b.txt::" + destination + "/b.txt");
    EXPECT_EQ(harness.state.CTotalFileSize, Amount::fromValue(7));
    EXPECT_EQ(harness.state.CTotalFileSizeStart, Amount::fromValue(7));
    EXPECT_EQ(harness.yields, 2);
}

TEST_F(DestinationDirsTest, MappingReplacesTheRootOnlyAtAFolderBoundary) {
    harness.window.txtSource.setCaption("/data");
    harness.window.txtDestination.setCaption("/backup/data");
    const RunContext run = harness.context();
    EXPECT_EQ(MapToDestination(run, "/data/x/y"), "/backup/data/x/y");
    EXPECT_EQ(MapToDestination(run, "/data2/data"), "/data2/data");
    harness.window.txtSource.setCaption("/");
    harness.window.txtDestination.setCaption("/backup/");
    EXPECT_EQ(MapToDestination(run, "/usr"), "/backup/usr");
}

TEST(FileOperations, ProbesTellFoldersFromEverythingElse) {
    TempFolder temp;
    const std::string file = temp.write("f", "x");
    EXPECT_TRUE(FolderExists(temp.path()));
    EXPECT_FALSE(FolderExists(file));
    EXPECT_FALSE(FolderExists(""));
    EXPECT_TRUE(FileExists(file));
    EXPECT_FALSE(FileExists(temp.path()));
    EXPECT_FALSE(FileExists(temp / "missing"));
}

TEST(FileOperations, CreateFolderIsOneLevelAndFalseWhenItExists) {
    TempFolder temp;
    EXPECT_TRUE(CreateFolder(temp / "a"));
    EXPECT_FALSE(CreateFolder(temp / "a"));
    EXPECT_FALSE(CreateFolder(temp / "x/y"));
}

TEST(FileOperations, RemovalsLeaveWhatTheyCannotRemove) {
    TempFolder temp;
    temp.write("full/f", "x");
    RemoveFolder(temp / "full");
    EXPECT_TRUE(FolderExists(temp / "full"));
    RemoveFile(temp / "full/f");
    EXPECT_FALSE(FileExists(temp / "full/f"));
    RemoveFolder(temp / "full");
    EXPECT_FALSE(FolderExists(temp / "full"));
    RemoveFile(temp / "missing"); // silently nothing
}

TEST(FileOperations, LastPathPartOfRootIsEmpty) {
    EXPECT_EQ(LastPathPart("/data/a.txt"), "a.txt");
    EXPECT_EQ(LastPathPart("/"), "");
    EXPECT_EQ(LastPathPart("a.txt"), "a.txt");
    EXPECT_EQ(LastPathPart(""), "");
}

} // namespace
} // namespace orvane
