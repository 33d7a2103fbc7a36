#include "app/DestinationPath.h"

#include "common/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace orvane {
namespace {

using platform::PathRules;
using platform::PathStyle;

const PathRules windows{PathStyle::Windows};
const PathRules posix{PathStyle::Posix};

struct PathCase {
    const PathRules& rules;
    std::string chosen;
    std::string sourceName;
    std::string composed;
    std::string restored;
};

TEST(DestinationPath, ComposesIntoTheChosenFolderAndRestoresItWithASeparator) {
    const PathCase cases[] = {
        {windows, "D:\\Backup", "Photos", "D:\\Backup\\Photos", "D:\\Backup\\"},
        {windows, "D:\\Backup\\", "Photos", "D:\\Backup\\Photos", "D:\\Backup\\"},
        {windows, "D:\\", "Photos", "D:\\Photos", "D:\\"},
        // The source C:\ has no last part: its content goes straight into the chosen folder.
        {windows, "D:\\Backup", "", "D:\\Backup\\", "D:\\Backup\\"},
        {windows, "", "Photos", "\\Photos", "\\"},
        {posix, "/backup", "photos", "/backup/photos", "/backup/"},
        {posix, "/backup/", "photos", "/backup/photos", "/backup/"},
        {posix, "/", "photos", "/photos", "/"},
        {posix, "", "photos", "/photos", "/"},
    };
    for (const PathCase& c : cases) {
        SCOPED_TRACE("'" + c.chosen + "' + '" + c.sourceName + "'");
        const std::string composed = ComposeDestination(c.rules, c.chosen, c.sourceName);
        EXPECT_EQ(composed, c.composed);
        const std::string restored = RestoreDestination(c.rules, composed, c.sourceName, true);
        EXPECT_EQ(restored, c.restored);
        // A second run starts from the restored box and must land in the same folder.
        EXPECT_EQ(ComposeDestination(c.rules, restored, c.sourceName), c.composed);
    }
    EXPECT_EQ(windows.reduceDoubledSeparators("D:\\Backup\\\\Photos"), "D:\\Backup\\Photos");
}

TEST(DestinationPath, BoxNotComposedThisRunOnlyGainsATrailingSeparator) {
    EXPECT_EQ(RestoreDestination(windows, "D:\\Backup\\Photos", "Photos", false),
              "D:\\Backup\\Photos\\");
    EXPECT_EQ(RestoreDestination(windows, "D:\\Backup\\", "", false), "D:\\Backup\\");
    EXPECT_EQ(RestoreDestination(windows, "", "", false), "\\");
    EXPECT_EQ(RestoreDestination(posix, "/backup", "", false), "/backup/");
    // Only the exact ending "separator + name" comes off.
    EXPECT_EQ(RestoreDestination(posix, "/backup/myphotos", "photos", true), "/backup/myphotos/");
}

TEST(DestinationPath, InsideSourceIsJudgedOnResolvedPaths) {
    const test::TempFolder temp;
    const std::string photos = temp.makeFolder("Data/Photos");
    temp.makeFolder("Data/Photos/sub");
    temp.makeFolder("Data/Photos2");
    std::filesystem::create_directory_symlink(photos, temp / "link");
    struct Case {
        std::string source;
        std::string destination;
        bool inside;
    };
    const Case cases[] = {
        {photos, photos, true},
        {photos + "/", photos, true},
        {photos, photos + "/new/Photos", true},
        {photos, temp / "link/Photos", true},
        {temp / "link", photos + "/x", true},
        {photos, photos + "/sub/../x", true},
        {photos, temp / "Data/Photos2/Photos", false},
        {photos, temp / "Data", false},
        {photos, photos + "/../Other", false},
        {"/", temp / "anywhere", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source + " -> " + c.destination);
        EXPECT_EQ(DestinationInsideSource(c.source, c.destination), c.inside);
    }
}

} // namespace
} // namespace orvane
