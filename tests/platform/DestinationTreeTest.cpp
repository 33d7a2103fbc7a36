#include "platform/DestinationTree.h"
#include "platform/FileCopy.h"

#include "common/CopyFixtures.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <climits>

using namespace orvane::platform;
using namespace orvane::test;

namespace {

CopyResult copyInto(const std::string& root, const std::string& from, const std::string& to) {
    const std::int32_t flag = 0;
    return copyFileWithProgress(from, to, {}, flag, {false, root, std::nullopt});
}

} // namespace

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
    const auto at = [&](const std::string& relative) { return TreePath{root, root + relative}; };

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
        const CopyResult copy = copyInto(root, dir / "src", root + below);
        EXPECT_EQ(copy.outcome, CopyOutcome::Failed);
        EXPECT_TRUE(copy.error == ELOOP || copy.error == ENOTDIR) << copy.error;
    }
    EXPECT_EQ(namesIn(dir / "victim"), std::set<std::string>{"keep"});
    EXPECT_EQ(readFile(dir / "victim/keep"), "keep");
    for (const std::string& outside : {dir / "elsewhere", root + "/../x", root + "x/y"}) {
        EXPECT_FALSE(makeTreeFolder(TreePath{root, outside}));
        EXPECT_EQ(errno, EXDEV) << outside;
    }
    EXPECT_FALSE(exists(dir / "elsewhere") || exists(dir / "x") || exists(dir / "rootx"));
    EXPECT_EQ(copyInto(root, dir / "src", root + "/made/copy").outcome, CopyOutcome::Copied);
    EXPECT_EQ(readFile(dir / "real/made/copy"), "new");
    EXPECT_TRUE(namesIn(dir / "real/made/deeper").empty());
}

// The space a replacement gives back is the old file's blocks, unless a hard link keeps them.
TEST(DestinationTree, ReplacedFileReleasesItsBlocksOnlyWhenItHasNoOtherName) {
    TempFolder dir;
    writeAll(dir / "single", patterned(100000));
    writeAll(dir / "twice", patterned(100000));
    std::filesystem::create_hard_link(dir / "twice", dir / "other name");
    struct stat info {};
    ASSERT_EQ(::stat((dir / "single").c_str(), &info), 0);
    EXPECT_EQ(treeFileAt({dir.path(), dir / "single"})->releasedBytes, info.st_blocks * 512);
    EXPECT_EQ(treeFileAt({dir.path(), dir / "twice"})->releasedBytes, 0);
    EXPECT_FALSE(treeFileAt({dir.path(), dir / "missing"}));
}

// Deeper than the system's path limit below the root, folders are made and files copied and
// found, folder by folder, and still no link is followed.
TEST(DestinationTree, TreeDeeperThanThePathLimitIsServedFolderByFolder) {
    TempFolder dir;
    writeAll(dir / "src", "deep");
    std::string path = dir.path();
    const std::string name(200, 'd');
    while (path.size() <= PATH_MAX + 200) {
        path += "/" + name;
        ASSERT_TRUE(makeTreeFolder({dir.path(), path})) << path.size() << " " << errno;
    }
    EXPECT_TRUE(isTreeFolder({dir.path(), path}));
    EXPECT_EQ(copyInto(dir.path(), dir / "src", path + "/file").outcome, CopyOutcome::Copied);
    EXPECT_EQ(treeFileAt({dir.path(), path + "/file"})->identity.size, 4);
    // A link at the top of a path too long for one call is refused all the same; followed, it
    // would lead into this very tree, and the folder would be made.
    std::filesystem::create_directory_symlink(dir.path(), dir / "linked");
    const std::string linked = dir / "linked" + path.substr(dir.path().size());
    EXPECT_FALSE(makeTreeFolder({dir.path(), linked + "/x"}));
    EXPECT_TRUE(errno == ELOOP || errno == ENOTDIR) << errno;
    // rm walks folder by folder too, where the scratch folder's own removal would stop.
    EXPECT_EQ(std::system(("rm -rf '" + dir / name + "'").c_str()), 0);
}
