#include "platform/PathRules.h"

#include <gtest/gtest.h>

using orvane::platform::PathRules;
using orvane::platform::PathStyle;

const PathRules posix{PathStyle::Posix};
const PathRules windows{PathStyle::Windows};

TEST(PathRules, RootsAndShortWindowsFoldersJoinBareAndOnlyTheRootIsDescended) {
    EXPECT_TRUE(posix.isRoot("/") && windows.isRoot("C:\\"));
    EXPECT_FALSE(posix.isRoot("//") || windows.isRoot("C:") || windows.isRoot("CC\\"));
    EXPECT_EQ(posix.join("/", "usr"), "/usr");
    EXPECT_EQ(windows.join("C:\\", "Windows"), "C:\\Windows");
    EXPECT_EQ(windows.join("C:\\data", "a.txt"), "C:\\data\\a.txt");
    EXPECT_EQ(windows.join("C:", "a.txt"), "C:a.txt");
    EXPECT_FALSE(windows.descendsInto("C:") || windows.descendsInto("abc"));
    EXPECT_TRUE(windows.descendsInto("C:\\") && windows.descendsInto("C:\\a"));
    EXPECT_TRUE(posix.descendsInto("a")); // however short its name
}

TEST(PathRules, PartsSplitAtTheLastSeparatorOfTheirOwnStyle) {
    EXPECT_EQ(windows.lastPart("C:\\data\\a.txt"), "a.txt");
    EXPECT_EQ(windows.lastPart("C:\\") + posix.lastPart("/"), "");
    EXPECT_EQ(posix.lastPart("/data/a\\b"), "a\\b"); // a backslash is part of a POSIX name
    EXPECT_EQ(windows.folderPart("C:\\data\\a.txt"), "C:\\data\\");
    EXPECT_EQ(posix.folderPart("/a.txt") + "|" + posix.folderPart("a.txt"), "/|");
    // One left-to-right pass halves each doubled separator.
    EXPECT_EQ(windows.reduceDoubledSeparators("D:\\Backup\\\\\\Photos"), "D:\\Backup\\\\Photos");
    EXPECT_EQ(posix.reduceDoubledSeparators("/backup////photos"), "/backup//photos");
}

TEST(PathRules, OnlyALeadingRootEndingAtAFolderBoundaryIsMapped) {
    EXPECT_EQ(windows.mapToDestination("C:\\data\\sub\\a.txt", "C:\\data", "D:\\backup\\data"),
              "D:\\backup\\data\\sub\\a.txt");
    EXPECT_EQ(windows.mapToDestination("C:\\Windows", "C:\\", "D:\\b\\"), "D:\\b\\Windows");
    EXPECT_EQ(posix.mapToDestination("/usr", "/", "/backup/"), "/backup/usr");
    EXPECT_EQ(posix.mapToDestination("/data", "/data", "/backup"), "/backup");
    // A plain text replacement would turn /data2/data into /backup2/data.
    EXPECT_EQ(posix.mapToDestination("/data2/data", "/data", "/backup"), "/data2/data");
    EXPECT_EQ(posix.mapToDestination("/x/data/a", "/data", "/backup"), "/x/data/a");
    EXPECT_EQ(windows.mapToDestination("C:\\Data\\a", "C:\\data", "D:\\b"), "C:\\Data\\a");
    // Names that are not UTF-8 pass through unchanged.
    const std::string name = "caf\xe9\xff.txt";
    EXPECT_EQ(posix.lastPart(posix.join("/data", name)), name);
    EXPECT_EQ(posix.mapToDestination("/data/" + name, "/data", "/b"), "/b/" + name);
}
