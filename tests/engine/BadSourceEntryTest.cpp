#include "common/EngineHarness.h"

#include <sys/stat.h>

#include <map>

namespace orvane::test {
namespace {

using BadSourceEntryTest = EngineTest;

// Entries that cannot be copied, a folder gone before it is read, links nowhere, in circles or
// to a folder, names that are not text or hold the list's separator. Files hold their names,
// links targets as long as theirs.
TEST_F(BadSourceEntryTest, EachCostsOnlyItselfAndTheRestIsCopiedExactly) {
    const Lines copied{"good.txt",    "caf\xe9 \xff\xfe.txt",
                       "two::colons", "inner.txt",
                       "dangling",    "loopA",
                       "loopB",       "inLink"};
    for (std::size_t i = 0; i < 3; ++i) {
        temp.write("data/" + copied[i], copied[i]);
    }
    temp.write("data/vanish.txt", "vanish.txt");
    temp.write("data/inside/inner.txt", "inner.txt");
    temp.makeFolder("data/gone");
    ASSERT_EQ(::mkfifo(src("fifo").c_str(), 0644), 0);
    ASSERT_EQ(::mknod(src("sock").c_str(), S_IFSOCK | 0644, 0), 0);
    for (const auto& [link, target] : std::map<std::string, std::string>{{"dangling", "gone.txt"},
                                                                         {"loopA", "loopB"},
                                                                         {"loopB", "loopA"},
                                                                         {"inLink", "inside"}}) {
        std::filesystem::create_symlink(target, src(link));
    }
    ListElement::Listener listener;
    listener.added =
        [&](const std::string& item) { // listed as source::destination, gone before its turn
            if (item == src("vanish.txt") + "::" + dst("vanish.txt")) {
                std::filesystem::rename(src("vanish.txt"), temp / "aside");
            }
        };
    harness.window.lstCopy.bind(listener);
    harness.onYield = [&](int) { // between being met and being read
        if (exists(dst("gone"))) {
            std::filesystem::remove(src("gone"));
        }
    };
    harness.runSurveyMode();
    Lines lines{"#. File fifo reported err: 0", "#. File sock reported err: 0",
                "#. File vanish.txt reported err: 0", "Dir: " + dst("inside") + " created",
                "Dir: " + dst("gone") + " created"};
    for (const auto& name : copied) {
        lines.push_back("File " + name + " copied in <t> [" + std::to_string(name.size()) + " B]");
    }
    EXPECT_EQ(inAnyOrder(harness.lines()), inAnyOrder(lines));
    EXPECT_EQ(harness.window.pbTotalFiles.Value(), 11);
    EXPECT_EQ(harness.state.pendingError.description,
              "Cannot read the folder " + src("gone") + " (" + std::strerror(ENOENT) + ")");
    // Links are recreated as links, targets included, never followed; no temporary stays.
    EXPECT_TRUE(sameTree(source, destination, "-x fifo -x sock -x gone"));

    // A walk in move mode moves all that can be copied and never removes folders.
    std::filesystem::rename(temp / "aside", src("vanish.txt"));
    EngineHarness walk(source, temp.makeFolder("walk"), true);
    walk.runDirectMode();
    EXPECT_EQ(walk.state.outcome.sourcesDeleted, 9);
    EXPECT_TRUE(sameTree(destination, temp / "walk", "-x vanish.txt -x gone"));
    EXPECT_EQ(readFile(temp / "walk/vanish.txt"), "vanish.txt");
    EXPECT_EQ(namesIn(source), (std::set<std::string>{"fifo", "inside", "sock"}));
    EXPECT_TRUE(namesIn(src("inside")).empty());
}

} // namespace
} // namespace orvane::test
