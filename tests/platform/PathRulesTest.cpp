#include "platform/PathRules.h"

#include <gtest/gtest.h>

using orvane::platform::PathRules;
using orvane::platform::PathStyle;

namespace {

const PathRules posix{PathStyle::Posix};
const PathRules windows{PathStyle::Windows};

TEST(PathRulesRoot, OnlyTheExactRootFormIsARoot) {
    EXPECT_TRUE(posix.isRoot("/"));
    EXPECT_FALSE(posix.isRoot("//"));
    EXPECT_FALSE(posix.isRoot("/data"));
    EXPECT_TRUE(windows.isRoot("C:\\"));
    EXPECT_FALSE(windows.isRoot("C:"));
    EXPECT_FALSE(windows.isRoot("C:\\\\"));
    EXPECT_FALSE(windows.isRoot("CC\\"));
}

TEST(PathRulesJoin, RootJoinsWithoutSeparatorOtherFoldersWithOne) {
    EXPECT_EQ(posix.join("/", "usr"), "/usr");
    EXPECT_EQ(posix.join("/data", "a.txt"), "/data/a.txt");
    EXPECT_EQ(posix.join("a", "b"), "a/b");
    EXPECT_EQ(windows.join("C:\\", "Windows"), "C:\\Windows");
    EXPECT_EQ(windows.join("C:\\data", "a.txt"), "C:\\data\\a.txt");
}

TEST(PathRulesJoin, ShortWindowsFolderThatIsNotARootJoinsBareAndIsNotDescended) {
    EXPECT_EQ(windows.join("C:", "a.txt"), "C:a.txt");
    EXPECT_FALSE(windows.descendsInto("C:"));
    EXPECT_FALSE(windows.descendsInto("abc"));
    EXPECT_TRUE(windows.descendsInto("C:\\"));
    EXPECT_TRUE(windows.descendsInto("C:\\a"));
    // Every POSIX folder is descended, however short its name.
    EXPECT_TRUE(posix.descendsInto("a"));
    EXPECT_TRUE(posix.descendsInto("/"));
}

TEST(PathRulesParts, LastPartIsTextAfterTheLastSeparator) {
    EXPECT_EQ(windows.lastPart("C:\\data\\a.txt"), "a.txt");
    EXPECT_EQ(windows.lastPart("C:\\"), "");
    EXPECT_EQ(windows.lastPart("a.txt"), "a.txt");
    EXPECT_EQ(windows.lastPart(""), "");
    EXPECT_EQ(posix.lastPart("/data/photos"), "photos");
    EXPECT_EQ(posix.lastPart("/"), "");
    EXPECT_EQ(posix.lastPart("/data/"), "");
    // A backslash is an ordinary character of a POSIX name.
    EXPECT_EQ(posix.lastPart("/data/a\\b"), "a\\b");
}

TEST(PathRulesParts, FolderPartKeepsTheLastSeparator) {
    EXPECT_EQ(windows.folderPart("C:\\data\\a.txt"), "C:\\data\\");
    EXPECT_EQ(posix.folderPart("/data/sub/a.txt"), "/data/sub/");
    EXPECT_EQ(posix.folderPart("/a.txt"), "/");
    EXPECT_EQ(posix.folderPart("a.txt"), "");
}

TEST(PathRulesDoubled, OneLeftToRightPassHalvesEachPair) {
    EXPECT_EQ(windows.reduceDoubledSeparators("D:\\Backup\\\\Photos"), "D:\\Backup\\Photos");
    EXPECT_EQ(windows.reduceDoubledSeparators("D:\\\\\\Photos"), "D:\\\\Photos");
    EXPECT_EQ(windows.reduceDoubledSeparators("\\\\"), "\\");
    EXPECT_EQ(posix.reduceDoubledSeparators("/backup//photos"), "/backup/photos");
    EXPECT_EQ(posix.reduceDoubledSeparators("/backup////photos"), "/backup//photos");
    EXPECT_EQ(posix.reduceDoubledSeparators("/"), "/");
}

TEST(PathRulesMapping, LeadingRootIsReplaced) {
    EXPECT_EQ(windows.mapToDestination("C:\\data\\sub\\a.txt", "C:\\data", "D:\\backup\\data"),
              "D:\\backup\\data\\sub\\a.txt");
    EXPECT_EQ(windows.mapToDestination("C:\\Windows", "C:\\", "D:\\backup\\"),
              "D:\\backup\\Windows");
    EXPECT_EQ(posix.mapToDestination("/data/sub/a.txt", "/data", "/backup/data"),
              "/backup/data/sub/a.txt");
    EXPECT_EQ(posix.mapToDestination("/usr", "/", "/backup/"), "/backup/usr");
    EXPECT_EQ(posix.mapToDestination("/data", "/data", "/backup/data"), "/backup/data");
}

TEST(PathRulesMapping, RootThatDoesNotEndAtAFolderBoundaryIsNotReplaced) {
    // Regression: a plain text replacement turned /data2/data into /backup2/data.
    EXPECT_EQ(posix.mapToDestination("/data2/data", "/data", "/backup"), "/data2/data");
    EXPECT_EQ(windows.mapToDestination("C:\\data2\\data", "C:\\data", "D:\\b"), "C:\\data2\\data");
    // Only the leading root is replaced, never a later occurrence.
    EXPECT_EQ(posix.mapToDestination("/x/data/a", "/data", "/backup"), "/x/data/a");
    EXPECT_EQ(posix.mapToDestination("/data/data/a", "/data", "/b"), "/b/data/a");
    // Matching is exact, letter case included.
    EXPECT_EQ(windows.mapToDestination("C:\\Data\\a", "C:\\data", "D:\\b"), "C:\\Data\\a");
}

TEST(PathRulesBytes, NamesThatAreNotUtf8PassThroughUnchanged) {
    const std::string name = "caf\xe9\xff.txt";
    EXPECT_EQ(posix.lastPart(posix.join("/data", name)), name);
    EXPECT_EQ(posix.mapToDestination("/data/" + name, "/data", "/b"), "/b/" + name);
}

} // namespace
