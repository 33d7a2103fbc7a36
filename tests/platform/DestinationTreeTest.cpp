#include "platform/DestinationTree.h"
#include "platform/FileCopy.h"

#include "common/CopyFixtures.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <deque>

using namespace orvane::platform;
using namespace orvane::test;

// The root may be reached through a link (the user chose it); below it a link is an entry in
// the way for every operation, whatever it points at, and a path outside the tree is refused.
TEST(DestinationTree, LinkBelowTheRootIsNeverFollowed) {
    TempFolder dir;
    dir.write("real/file", "file");
    dir.write("victim/keep", "keep");
    std::filesystem::create_directory_symlink(dir / "real", dir / "root");
    std::filesystem::create_directory_symlink(dir / "victim", dir / "real/linked");
    writeAll(dir / "src", "new");
    const std::string root = dir / "root";
    std::deque<std::string> paths; // a tree path names texts its caller holds
    const auto at = [&](const std::string& relative) {
        return TreePath{root, paths.emplace_back(root + relative)};
    };
    const auto copyTo = [&](const std::string& relative) {
        const std::int32_t flag = 0;
        return copyFileWithProgress(dir / "src", root + relative, {}, flag, {false, root, {}});
    };

    EXPECT_TRUE(isTreeFolder(at("")));
    EXPECT_TRUE(makeTreeFolder(at("/made")) && isTreeFolder(at("/made")));
    // A relative link that stays inside the tree is just as much in the way, also as a folder
    // on the way to the entry.
    std::filesystem::create_directory_symlink("made", dir / "real/inner");
    ASSERT_TRUE(makeTreeFolder(at("/made/deeper")));
    EXPECT_FALSE(isTreeFolder(at("/linked")));
    EXPECT_EQ(treeFileAt(at("/linked"))->identity, identityOf(dir / "real/linked"));
    for (const std::string below :
         {"/linked/keep", "/linked/new", "/file/x", "/inner/x", "/inner/deeper/x"}) {
        SCOPED_TRACE(below);
        EXPECT_FALSE(makeTreeFolder(at(below)));
        EXPECT_TRUE(errno == ELOOP || errno == ENOTDIR) << errno;
        EXPECT_FALSE(treeFileAt(at(below)));
        const CopyResult copy = copyTo(below);
        EXPECT_EQ(copy.outcome, CopyOutcome::Failed);
        const int error = copy.error.code();
        EXPECT_TRUE(error == ELOOP || error == ENOTDIR) << error;
    }
    EXPECT_EQ(namesIn(dir / "victim"), std::set<std::string>{"keep"});
    EXPECT_EQ(readFile(dir / "victim/keep"), "keep");
    for (const std::string& outside : {dir / "elsewhere", root + "/../x", root + "x/y"}) {
        EXPECT_FALSE(makeTreeFolder(TreePath{root, outside}));
        EXPECT_EQ(errno, EXDEV) << outside;
    }
    EXPECT_FALSE(exists(dir / "elsewhere") || exists(dir / "x") || exists(dir / "rootx"));
    EXPECT_EQ(copyTo("/made/copy").outcome, CopyOutcome::Copied);
    EXPECT_EQ(readFile(dir / "real/made/copy"), "new");
    EXPECT_TRUE(namesIn(dir / "real/made/deeper").empty());
}
