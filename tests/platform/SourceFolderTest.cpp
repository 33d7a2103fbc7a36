#include "platform/SourceFolder.h"

#include "common/CopyFixtures.h"

#include <gtest/gtest.h>

using namespace orvane::platform;
using namespace orvane::test;

// A moved file's source is deleted only while it is the file its caller checked: one put in
// its place since, even of the same size, keeps the name with its bytes, and nothing that the
// deletion made is left beside it. The file checked goes, and the folder then lacks it.
TEST(SourceFolder, DeletesOnlyTheFileItsCallerChecked) {
    TempFolder dir;
    dir.write("src/moved", "checked");
    const SourceFolder folder(dir / "src");
    const auto checked = folder.identityOf("moved");
    ASSERT_TRUE(checked);
    dir.write("swapped", "swapped");
    std::filesystem::rename(dir / "swapped", dir / "src/moved");

    EXPECT_EQ(folder.deleteFile("moved", dir / "src/moved", checked).kind(), ErrorKind::Changed);
    EXPECT_EQ(readFile(dir / "src/moved"), "swapped");
    EXPECT_EQ(namesIn(dir / "src"), std::set<std::string>{"moved"});
    EXPECT_FALSE(folder.lacks("moved"));

    EXPECT_FALSE(folder.deleteFile("moved", dir / "src/moved", folder.identityOf("moved")));
    EXPECT_TRUE(namesIn(dir / "src").empty());
    EXPECT_TRUE(folder.lacks("moved"));
}
