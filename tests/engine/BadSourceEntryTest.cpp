#include "common/EngineHarness.h"

#include <grp.h>
#include <sys/stat.h>

namespace orvane::test {
namespace {

using BadSourceEntryTest = EngineTest;

// Entries that cannot be copied, links nowhere, in circles or to a folder, names that are not
// text or hold the list's separator. Files hold their names, links targets as long as theirs.
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
    ASSERT_EQ(::mkfifo(src("fifo").c_str(), 0644), 0);
    ASSERT_EQ(::mknod(src("sock").c_str(), S_IFSOCK | 0644, 0), 0);
    std::filesystem::create_symlink("gone.txt", src("dangling"));
    std::filesystem::create_symlink("loopB", src("loopA"));
    std::filesystem::create_symlink("loopA", src("loopB"));
    std::filesystem::create_symlink("inside", src("inLink"));
    ListElement::Listener listener;
    listener.added = [&](const std::string& item) { // gone once listed, before its turn
        if (item.ends_with("/vanish.txt")) {
            std::filesystem::rename(src("vanish.txt"), temp / "aside");
        }
    };
    harness.window.lstCopy.bind(listener);
    harness.runSurveyMode();
    Lines lines{"#. File fifo reported err: 0", "#. File sock reported err: 0",
                "#. File vanish.txt reported err: 0", "Dir: " + dst("inside") + " created"};
    for (const auto& name : copied) {
        lines.push_back("File " + name + " copied in <t> [" + std::to_string(name.size()) + " B]");
    }
    EXPECT_EQ(inAnyOrder(harness.lines()), inAnyOrder(lines));
    EXPECT_EQ(harness.window.pbTotalFiles.Value(), 11);
    EXPECT_EQ(harness.state.pendingError.number, 0);
    // Links are recreated as links, targets included, never followed; no temporary stays.
    EXPECT_TRUE(sameTree(source, destination, "-x fifo -x sock"));

    // A walk in move mode moves all that can be copied and never removes folders.
    std::filesystem::rename(temp / "aside", src("vanish.txt"));
    EngineHarness walk(source, temp.makeFolder("walk"), true);
    walk.runDirectMode();
    EXPECT_EQ(walk.state.outcome.sourcesDeleted, 9);
    EXPECT_TRUE(sameTree(destination, temp / "walk", "-x vanish.txt"));
    EXPECT_EQ(readFile(temp / "walk/vanish.txt"), "vanish.txt");
    EXPECT_EQ(namesIn(source), (std::set<std::string>{"fifo", "inside", "sock"}));
    EXPECT_TRUE(namesIn(src("inside")).empty());
}

// Root passes every permission check: the run goes to a child that becomes "nobody".
TEST_F(BadSourceEntryTest, UnreadableFolderIsPassedOverAndLeftPendingWhileTheRestIsCopied) {
    const std::string locked = temp.makeFolder("data/locked");
    temp.write("data/a.txt", "a");
    const std::string unreadable = temp.write("data/z/unreadable.bin", "private");
    constexpr uid_t nobody = 65534;
    (void)!::lchown(temp.path().c_str(), nobody, nobody);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(temp.path())) {
        (void)!::lchown(entry.path().c_str(), nobody, nobody);
    }
    ASSERT_EQ(::chmod(locked.c_str(), 0) + ::chmod(unreadable.c_str(), 0), 0);
    GTEST_FLAG_SET(death_test_style, "fast"); // a forked child, working in these folders
    EXPECT_EXIT(
        {
            std::ofstream report(temp / "report");
            if ((::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 ||
                                      ::setuid(nobody) != 0)) ||
                ::access(locked.c_str(), R_OK) == 0) {
                std::exit(0);
            }
            harness.runSurveyMode();
            Lines lines = inAnyOrder(harness.lines());
            lines.push_back(std::to_string(harness.state.pendingError.number) + " " +
                            harness.state.pendingError.description);
            report << testing::PrintToString(lines) << std::flush;
            std::exit(0);
        },
        testing::ExitedWithCode(0), "");
    ::chmod(locked.c_str(), 0755);
    if (readFile(temp / "report").empty()) {
        GTEST_SKIP() << "cannot run as an unprivileged user whom permission bits bind here";
    }
    EXPECT_EQ(readFile(temp / "report"),
              testing::PrintToString(Lines{
                  "#. File unreadable.bin reported err: 0", "Dir: " + dst("locked") + " created",
                  "Dir: " + dst("z") + " created", "File a.txt copied in <t> [1 B]",
                  std::to_string(EACCES) + " Cannot read the folder " + locked + " (" +
                      std::strerror(EACCES) + ")"}));
}

} // namespace
} // namespace orvane::test
