#include "common/CopyFixtures.h"
#include "common/EngineHarness.h"
#include "common/TempFolder.h"
#include "common/TreeSnapshot.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>

namespace orvane {
namespace {

using test::EngineHarness;
using test::TempFolder;
using Lines = std::vector<std::string>;

// A tree of a few thousand files that nobody shaped for this test: the system's headers, or
// its documentation where there are none.
std::string realTree() {
    for (const char* candidate : {"/usr/include", "/usr/share/doc"}) {
        if (std::filesystem::is_directory(candidate)) {
            return candidate;
        }
    }
    return {};
}

// Copies a tree with its modes, times and links as they are; true when it worked.
bool copyAsIs(const std::string& from, const std::string& to) {
    const std::string command = "cp -a '" + from + "' '" + to + "' 2>/dev/null";
    return std::system(command.c_str()) == 0;
}

// System trees tend to hold one mode throughout; a spread shows whether each file keeps its own.
void spreadModes(const std::string& root) {
    constexpr mode_t modes[] = {0644, 0600, 0755, 0444, 0750};
    std::size_t index = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        if (entry.symlink_status().type() == std::filesystem::file_type::regular) {
            ::chmod(entry.path().c_str(), modes[index++ % std::size(modes)]);
        }
    }
}

struct Counts {
    int files = 0;
    std::set<std::string> folders;
};

Counts countsOf(const test::TreeFacts& tree) {
    Counts counts;
    for (const auto& [path, facts] : tree) {
        if (facts.kind == 'd') {
            counts.folders.insert(path);
        } else {
            ++counts.files;
        }
    }
    return counts;
}

// Runs one mode of the engine from the source into a fresh destination, as Start would.
void runInto(EngineHarness& harness, const std::string& source, const std::string& destination,
             bool direct, bool move) {
    std::filesystem::create_directories(destination);
    harness.setFolders(source, destination);
    harness.window.mnuOptMove.setChecked(move);
    if (direct) {
        harness.runDirectMode();
    } else {
        harness.runSurveyMode();
    }
}

TEST(RealTree, EveryModeCopiesAnUnpreparedTreeByteForByte) {
    const std::string tree = realTree();
    if (tree.empty()) {
        GTEST_SKIP() << "neither /usr/include nor /usr/share/doc exists here";
    }
    TempFolder temp;
    const std::string source = temp / "source";
    if (!copyAsIs(tree, source)) {
        GTEST_SKIP() << "cannot copy " << tree << " with cp -a here";
    }
    spreadModes(source);
    const test::TreeFacts original = test::snapshotTree(source);
    const Counts counts = countsOf(original);
    ASSERT_GT(counts.files, 1000) << tree << " is too small to tell much";
    ASSERT_FALSE(counts.folders.empty()) << tree << " has no sub-folders";

    EngineHarness survey;
    runInto(survey, source, temp / "survey/source", false, false);
    EXPECT_EQ(test::treeDifferences(original, source, temp / "survey/source"), Lines{});
    EXPECT_EQ(survey.state.outcome.filesCopied, counts.files);
    EXPECT_FALSE(survey.state.outcome.anyFileLost());
    EXPECT_EQ(survey.state.pendingError.number, 0);
    EXPECT_EQ(survey.state.CTotalFileSize.raw(), 0);

    EngineHarness direct;
    runInto(direct, source, temp / "direct/source", true, false);
    EXPECT_EQ(test::treeDifferences(original, source, temp / "direct/source"), Lines{});
    EXPECT_EQ(direct.state.outcome.filesCopied, counts.files);
    EXPECT_FALSE(direct.state.outcome.anyFileLost());

    EngineHarness move;
    runInto(move, source, temp / "move/source", false, true);
    // The survey copy holds the bytes the deleted sources had.
    EXPECT_EQ(test::treeDifferences(original, temp / "survey/source", temp / "move/source"),
              Lines{});
    EXPECT_EQ(move.state.outcome.sourcesDeleted, counts.files);
    // Every file is gone from the source; every folder stays, as the top folder has
    // sub-folders and only the top folder is ever removed.
    const Counts left = countsOf(test::snapshotTree(source));
    EXPECT_EQ(left.files, 0);
    EXPECT_EQ(left.folders, counts.folders);
}

} // namespace
} // namespace orvane
