#include "common/EngineHarness.h"

#include <sys/stat.h>

namespace orvane::test {
namespace {

// Regression: moving home/private (0700, a private key inside) left its copy 0755, readable
// by every user, for good once the source was gone.
class PrivateFolderTest : public EngineTest {
protected:
    void SetUp() override {
        temp.write("data/home/private/id_key", "secret");
        ::chmod(src("home/private/id_key").c_str(), 0600);
        ::chmod(src("home/private").c_str(), 0700);
        // Read-only with content: the run must still be able to fill its copy.
        temp.write("data/home/sealed/readme", "sealed");
        ::chmod(src("home/sealed").c_str(), 0555);
    }
    // Watches the copy's mode at every yield of the run, the moments others could look.
    void moveWatching(EngineHarness& run, std::string copy) {
        run.window.mnuOptMove.setChecked(true);
        run.onYield = [this, copy](int) {
            struct stat info {};
            if (::lstat(copy.c_str(), &info) == 0) {
                ++looks;
                openToOthers = openToOthers || (info.st_mode & 077) != 0;
            }
        };
    }
    static mode_t modeOf(const std::string& path) {
        struct stat info {};
        return ::lstat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
    }

    int looks = 0;
    bool openToOthers = false;
};

// The walk moves the source to one copy, the survey's list run that copy to another.
TEST_F(PrivateFolderTest, MovedPrivateFolderIsNeverOpenToOthersInEitherMode) {
    for (const auto& [from, to] :
         {std::pair{source, temp / "walk"}, {temp / "walk", temp / "list"}}) {
        SCOPED_TRACE(to);
        looks = 0;
        EngineHarness run(from, temp.makeFolder(std::filesystem::path(to).filename()));
        moveWatching(run, to + "/home/private");
        from == source ? run.runDirectMode() : run.runSurveyMode();
        EXPECT_GT(looks, 0) << "the run never yielded while the copy existed";
        EXPECT_FALSE(openToOthers);
        EXPECT_EQ(modeOf(to + "/home/private"), 0700u);
        EXPECT_EQ(modeOf(to + "/home/private/id_key"), 0600u);
        EXPECT_EQ(readFile(to + "/home/private/id_key"), "secret");
        EXPECT_EQ(modeOf(to + "/home/sealed"), 0555u);
        EXPECT_EQ(readFile(to + "/home/sealed/readme"), "sealed");
    }
}

} // namespace
} // namespace orvane::test
