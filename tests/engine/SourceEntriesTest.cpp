#include "common/EngineHarness.h"
#include "common/PosixFixtures.h"
#include "platform/ErrorText.h"

// What a source holds that a run must copy as it is or refuse alone: odd entries, odd names,
// folders swapped while the run works, folders shut to others.
namespace orvane::test {
namespace {

using BadSourceEntryTest = EngineTest;

// Entries that cannot be copied, a folder gone before it is read, links nowhere, in circles or
// to a folder, names that are not text or hold the list's separator, and a name with a line
// feed, which cannot forge a log line: the log and the current-file caption show it escaped.
// Files hold their names.
TEST_F(BadSourceEntryTest, EachCostsOnlyItselfAndTheRestIsCopiedExactly) {
    SKIP_ON_WINDOWS("names that are not UTF-8, a FIFO, a socket and symbolic links");
    const std::string forged = "x\nMove is on, deleted the file IMPORTANT\x7f";
    const std::string shown = "x\\nMove is on, deleted the file IMPORTANT\\x7f";
    Lines copied{"good.txt", "caf\xe9 \xff\xfe.txt", "two::colons", forged};
    for (const auto& name : copied) {
        temp.write("data/" + name, name);
    }
    plant({"data/vanish.txt = vanish.txt", "data/inside/inner.txt = inner.txt", "data/gone/",
           "data/dangling -> gone.txt", "data/loopA -> loopB", "data/loopB -> loopA",
           "data/inLink -> inside"});
    ASSERT_TRUE(makeFifoAndSocket(src("fifo"), src("sock")));
    ListElement::Listener listener;
    listener.added = [&](const std::string& item) {                 // listed as source::destination
        if (item == src("vanish.txt") + "::" + dst("vanish.txt")) { // gone before its turn
            std::filesystem::rename(src("vanish.txt"), temp / "aside");
        }
    };
    harness.window.lstCopy.bind(listener);
    std::set<std::string> captions;
    harness.onYield = [&](int) {
        const std::string& caption = harness.window.lblInfo[1].caption();
        captions.insert(caption.substr(0, caption.find("\r\n")));
        if (exists(dst("gone"))) { // between being met and being read
            std::filesystem::remove(src("gone"));
        }
    };
    harness.runSurveyMode();
    Lines lines{"#. File fifo reported err: 0", "#. File sock reported err: 0",
                "#. File vanish.txt reported err: 0", "Dir: " + dst("inside") + " created",
                "Dir: " + dst("gone") + " created",
                // "." of data and of inside, "inside" and "gone"; gone was never read
                "Total files to copy: 12 file(s) in 4 directory(s)"};
    for (std::string name : {"inner.txt", "dangling", "loopA", "loopB", "inLink"}) {
        copied.push_back(name);
    }
    for (const auto& name : copied) {
        lines.push_back("File " + (name == forged ? shown : name) + " copied in <t> [" +
                        std::to_string(name.size()) + " B]");
    }
    EXPECT_EQ(inAnyOrder(harness.lines()), inAnyOrder(lines));
    EXPECT_EQ(captions.count("Copying file " + shown), 1U);
    EXPECT_EQ(harness.window.pbTotalFiles.Value(), 12);
    const platform::SystemError& pending = harness.state.pendingError.error;
    EXPECT_EQ(pending.kind(), platform::ErrorKind::NotFound);
    EXPECT_EQ(harness.state.pendingError.description,
              "Cannot read the folder " + src("gone") + " (" + platform::errorText(pending) + ")");
    // Links are recreated as links, targets included, never followed; no temporary stays.
    EXPECT_TRUE(sameTree(source, destination, "-x fifo -x sock -x gone"));

    // A walk in move mode moves all that can be copied and never removes folders.
    std::filesystem::rename(temp / "aside", src("vanish.txt"));
    EngineHarness walk(source, temp.makeFolder("walk"), true);
    walk.runDirectMode();
    EXPECT_EQ(walk.state.outcome.sourcesDeleted, 10);
    EXPECT_TRUE(holds(testing::PrintToString(walk.lines()),
                      testing::PrintToString("Move is on, deleted the file " + shown)));
    EXPECT_TRUE(sameTree(destination, temp / "walk", "-x vanish.txt -x gone"));
    EXPECT_EQ(readFile(temp / "walk/vanish.txt"), "vanish.txt");
    EXPECT_EQ(listing(source), (Lines{"fifo |", "inside/", "sock |"}));
}

// A source folder swapped for a link to a folder outside the source while the run works: the
// move reads and deletes only in the folder it listed, never through the link. The survey's
// list run finds the folder's place taken and fails its files; the direct walk holds the
// folder it listed open and finishes its files there.
TEST(SwappedSourceFolder, NothingOutsideTheListedFolderIsReadOrDeleted) {
    SKIP_ON_WINDOWS("symbolic links, which the C++ library makes on POSIX systems only");
    inBothModes(true, [](Scene& s, bool direct) {
        s.plant({"data/sub/one = listed one", "data/sub/two = listed two"});
        // The file met second in the folder is the one the swap aims at.
        const std::string second =
            (++std::filesystem::directory_iterator(s.src("sub")))->path().filename().string();
        s.temp.write("outside/" + second, "outside victim");
        // The outside folder's attributes must not reach the copy of the folder either.
        const bool marked = markWithAttribute(s.temp / "outside");
        const auto swap = [&] {
            std::filesystem::rename(s.src("sub"), s.src("sub.real"));
            std::filesystem::create_directory_symlink(s.temp / "outside", s.src("sub"));
        };
        auto& run = s.harness;
        // Once the survey has listed the folder, or during the walk's copy of its first file.
        run.onceWhen([&] { return direct ? run.midFile() : run.surveyed(); }, swap);
        run.runIn(direct);
        EXPECT_EQ(listing(s.temp / "outside"), Lines{second + " = outside victim"});
        EXPECT_TRUE(!marked || !hasAttributeMark(s.dst("sub")));
        if (direct) {
            EXPECT_EQ(readFile(s.dst("sub/" + second)), "listed " + second);
            EXPECT_FALSE(exists(s.src("sub.real/" + second)));
        } else {
            EXPECT_EQ(std::tuple(exists(s.dst("sub/" + second)), run.state.outcome.filesFailed,
                                 run.state.outcome.anyFileLost()),
                      std::tuple(false, 2, true));
            EXPECT_EQ(namesIn(s.src("sub.real")), (std::set<std::string>{"one", "two"}));
        }
    });
}

unsigned modeOf(const std::string& path) {
    return statOf(path).st_mode & 07777;
}

// Regression: moving home/private (0700, a private key inside) left its copy 0755, readable
// by every user, for good once the source was gone. The walk moves the source to one copy,
// the survey's list run that copy to another; the copy's mode is watched at every yield, the
// moments others could look. A read-only folder with content must still be filled.
TEST(PrivateFolder, MovedPrivateFolderIsNeverOpenToOthersInEitherMode) {
    SKIP_ON_WINDOWS("POSIX modes");
    TempFolder temp;
    plant(temp.path(), {"data/home/private/id_key = secret", "data/home/sealed/readme = sealed"});
    using std::filesystem::perms;
    std::filesystem::permissions(temp / "data/home/private/id_key", perms(0600));
    std::filesystem::permissions(temp / "data/home/private", perms(0700));
    std::filesystem::permissions(temp / "data/home/sealed", perms(0555));
    for (const auto& [from, to] : {std::pair{"data", "walk"}, {"walk", "list"}}) {
        SCOPED_TRACE(to);
        const std::string copy = temp / to + "/home/";
        EngineHarness run(temp / from, temp.makeFolder(to), true);
        int looks = 0, openToOthers = 0;
        run.onYield = [&](int) {
            looks += modeOf(copy + "private") != 0 ? 1 : 0;
            openToOthers += (modeOf(copy + "private") & 077) != 0 ? 1 : 0;
        };
        run.runIn(from == std::string("data"));
        EXPECT_GT(looks, 0) << "the run never yielded while the copy existed";
        EXPECT_EQ(openToOthers, 0);
        EXPECT_EQ(std::tuple(modeOf(copy + "private"), modeOf(copy + "private/id_key"),
                             modeOf(copy + "sealed")),
                  std::tuple(0700u, 0600u, 0555u));
        EXPECT_EQ(readFile(copy + "private/id_key") + readFile(copy + "sealed/readme"),
                  "secretsealed");
    }
}

} // namespace
} // namespace orvane::test
