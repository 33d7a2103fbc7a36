#include "common/EngineHarness.h"

#include <sys/stat.h>
#include <sys/xattr.h>

#include <map>

// What a source holds that a run must copy as it is or refuse alone: odd entries, odd names,
// folders swapped while the run works, folders shut to others.
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

// A name with a line feed cannot forge a log line: the file is moved under its real name,
// and the log and the current-file caption show the name escaped.
TEST_F(BadSourceEntryTest, ControlCharacterInANameIsCopiedUnderItsRealNameAndShownEscaped) {
    const std::string name = "x\nMove is on, deleted the file IMPORTANT\x7f";
    temp.write("data/" + name, "bytes");
    harness.window.mnuOptMove.setChecked(true);
    std::string caption;
    harness.onYield = [&](int) {
        if (caption.empty() && harness.window.lblInfo[1].caption().starts_with("Copying file ")) {
            caption = harness.window.lblInfo[1].caption();
        }
    };
    harness.runDirectMode();
    EXPECT_EQ(readFile(dst(name)), "bytes");
    EXPECT_FALSE(exists(src(name)));
    const std::string shown = "x\\nMove is on, deleted the file IMPORTANT\\x7f";
    EXPECT_EQ(harness.lines(), (Lines{"File " + shown + " copied in <t> [5 B]",
                                      "Move is on, deleted the file " + shown}));
    EXPECT_EQ(caption.substr(0, caption.find("\r\n")), "Copying file " + shown);
}

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

mode_t modeOf(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

// Regression: moving home/private (0700, a private key inside) left its copy 0755, readable
// by every user, for good once the source was gone. The walk moves the source to one copy,
// the survey's list run that copy to another; the copy's mode is watched at every yield, the
// moments others could look. A read-only folder with content must still be filled.
TEST(PrivateFolder, MovedPrivateFolderIsNeverOpenToOthersInEitherMode) {
    TempFolder temp;
    temp.write("data/home/private/id_key", "secret");
    temp.write("data/home/sealed/readme", "sealed");
    ::chmod((temp / "data/home/private/id_key").c_str(), 0600);
    ::chmod((temp / "data/home/private").c_str(), 0700);
    ::chmod((temp / "data/home/sealed").c_str(), 0555);
    for (const auto& [from, to] : {std::pair{"data", "walk"}, {"walk", "list"}}) {
        SCOPED_TRACE(to);
        const std::string copy = temp / to + "/home/private";
        EngineHarness run(temp / from, temp.makeFolder(to), true);
        int looks = 0, openToOthers = 0;
        run.onYield = [&](int) {
            looks += modeOf(copy) != 0 ? 1 : 0;
            openToOthers += (modeOf(copy) & 077) != 0 ? 1 : 0;
        };
        from == std::string("data") ? run.runDirectMode() : run.runSurveyMode();
        EXPECT_GT(looks, 0) << "the run never yielded while the copy existed";
        EXPECT_EQ(openToOthers, 0);
        EXPECT_EQ(modeOf(copy), 0700u);
        EXPECT_EQ(modeOf(copy + "/id_key"), 0600u);
        EXPECT_EQ(modeOf(temp / to + "/home/sealed"), 0555u);
        EXPECT_EQ(readFile(copy + "/id_key") + readFile(temp / to + "/home/sealed/readme"),
                  "secretsealed");
    }
}

} // namespace
} // namespace orvane::test
