#include "app/DestinationPath.h"

#include "common/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace orvane {

TEST(DestinationPath, ComposesIntoTheChosenFolderAndRestoresItWithASeparator) {
    const platform::PathRules windows{platform::PathStyle::Windows};
    const platform::PathRules posix{platform::PathStyle::Posix};
    // A second run starts from the restored box and must land in the same folder.
    const auto check = [](const auto& rules, std::string chosen, std::string sourceName,
                          std::string composed, std::string restored) {
        SCOPED_TRACE("'" + chosen + "' + '" + sourceName + "'");
        EXPECT_EQ(ComposeDestination(rules, chosen, sourceName), composed);
        EXPECT_EQ(RestoreDestination(rules, composed, sourceName, true), restored);
        EXPECT_EQ(ComposeDestination(rules, restored, sourceName), composed);
    };
    check(windows, "D:\\Backup\\", "Photos", "D:\\Backup\\Photos", "D:\\Backup\\");
    // The source C:\ has no last part: its content goes straight into the chosen folder.
    check(windows, "D:\\Backup", "", "D:\\Backup\\", "D:\\Backup\\");
    check(windows, "", "Photos", "\\Photos", "\\");
    check(posix, "/", "photos", "/photos", "/");
    check(posix, "", "photos", "/photos", "/");
    // Only the exact ending "separator + name" comes off.
    EXPECT_EQ(RestoreDestination(posix, "/backup/myphotos", "photos", true), "/backup/myphotos/");
}

// The same folder and a plain sub-folder are refused in the run controller's test.
TEST(DestinationPath, InsideSourceIsJudgedOnResolvedPaths) {
    const test::TempFolder temp;
    const std::string photos = temp.makeFolder("Data/Photos");
    std::filesystem::create_directory_symlink(photos, temp / "link");
    EXPECT_TRUE(DestinationInsideSource(photos + "/", photos));
    EXPECT_TRUE(DestinationInsideSource(photos, temp / "link/new/Photos"));
    EXPECT_TRUE(DestinationInsideSource("/", temp / "anywhere"));
    EXPECT_FALSE(DestinationInsideSource(photos, photos + "2/Photos"));
    EXPECT_FALSE(DestinationInsideSource(photos, photos + "/../Other"));
}

} // namespace orvane
