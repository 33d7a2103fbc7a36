#include "common/EngineHarness.h"

#include <sys/xattr.h>

#include <filesystem>

namespace orvane::test {
namespace {

using SwappedSourceFolderTest = EngineTest;

// A source folder swapped for a link to a folder outside the source while the run works: the
// run reads and deletes only in the folder it listed, never through the link. The survey's
// list run finds the folder's place taken and fails its files; the direct walk holds the
// folder it listed open and finishes its files there.
TEST_F(SwappedSourceFolderTest, NothingOutsideTheListedFolderIsReadOrDeleted) {
    for (const bool direct : {false, true}) {
        for (const bool move : {false, true}) {
            SCOPED_TRACE(std::string(direct ? "direct" : "survey") + (move ? " move" : " copy"));
            TempFolder t;
            const std::string from = t.makeFolder("data"), to = t.makeFolder("backup/data");
            t.write("data/sub/one", "listed one");
            t.write("data/sub/two", "listed two");
            // The file met second in the folder is the one the swap aims at.
            std::vector<std::string> order;
            for (const auto& entry : std::filesystem::directory_iterator(from + "/sub")) {
                order.push_back(entry.path().filename());
            }
            const std::string victim = t.write("outside/" + order[1], "outside victim");
            // The outside folder's attributes must not reach the copy of the folder either.
            const bool marked =
                ::setxattr((t / "outside").c_str(), "user.orvane.mark", "x", 1, 0) == 0;
            const auto swap = [&] {
                std::filesystem::rename(from + "/sub", from + "/sub.real");
                std::filesystem::create_directory_symlink(t / "outside", from + "/sub");
            };
            EngineHarness run(from, to, move);
            run.afterSurvey = swap;
            bool swapped = false;
            run.onYield = [&](int) { // during the copy of the first file of the folder
                if (direct && !swapped && !run.state.CLastTransferred.isZero()) {
                    swapped = true;
                    swap();
                }
            };
            direct ? run.runDirectMode() : run.runSurveyMode();

            EXPECT_EQ(readFile(victim), "outside victim");
            EXPECT_EQ(namesIn(t / "outside"), std::set<std::string>{order[1]});
            if (marked) {
                EXPECT_LT(::getxattr((to + "/sub").c_str(), "user.orvane.mark", nullptr, 0), 0);
            }
            const std::string copied = to + "/sub/" + order[1];
            if (direct) {
                EXPECT_EQ(readFile(copied), "listed " + order[1]);
                EXPECT_EQ(exists(from + "/sub.real/" + order[1]), !move);
            } else {
                EXPECT_FALSE(exists(copied));
                EXPECT_EQ(run.state.outcome.filesFailed, 2);
                EXPECT_TRUE(run.state.outcome.anyFileLost());
                EXPECT_EQ(namesIn(from + "/sub.real"), (std::set<std::string>{"one", "two"}));
            }
        }
    }
}

} // namespace
} // namespace orvane::test
