#include "common/CopyFixtures.h"
#include "windows/WindowHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace orvane::test {
namespace {

namespace fs = std::filesystem;

void expectIdle(windows::frmMain& w) {
    EXPECT_TRUE(w.cmdStart.isEnabled());
    EXPECT_TRUE(w.fraSource.isEnabled());
    EXPECT_TRUE(w.fraDestination.isEnabled());
    EXPECT_TRUE(w.mnuOpt.menuAction()->isEnabled());
    EXPECT_TRUE(w.fraCopy.isHidden());
    EXPECT_FALSE(w.cmdPause.isEnabledTo(&w.fraCopy));
    EXPECT_FALSE(w.tmrClock.isActive());
    EXPECT_EQ(w.lblInfo[1].text(), "Copying file:");
}

// A run from the window in each mode: a checked option is confirmed before the run, OK keeps
// it, Cancel unchecks it. A survey lists the files first; a direct run walks the tree and
// counts one file more than it met; a move deletes the sources. During the run the window shows
// the run's state and keys reach only the copy-status panel, never a control it covers;
// afterwards it is idle again with the destination box restored and the focus on Start Copy,
// so Enter or Space starts again.
TEST(RunFromWindow, ConfirmedOptionsDecideHowTheTreeIsCopied) {
    const QString move = "Move files, is still on\nok = move, cancel = copy";
    const QString direct = "Direct copy, is still on\nok = direct, cancel = search";
    const struct {
        bool move, direct;
        std::vector<bool> answers;
        std::vector<QString> questions;
        bool moved, walked;
    } cases[] = {
        {false, false, {}, {}, false, false},
        {false, true, {true}, {direct}, false, true},
        {true, true, {false, false}, {move, direct}, false, false},
        {true, false, {true}, {move}, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "move " << c.move << ", direct " << c.direct);
        WindowHarness harness;
        windows::frmMain& w = harness.window();
        // The run counts five folders: the top one by its "." entry, each sub-folder by its
        // entry in its parent and by its own ".".
        const TempFolder& dir = harness.folder();
        dir.write("data/Photos/a.txt", "alpha");
        dir.write("data/Photos/sub/b.txt", "bravo!");
        dir.write("data/Photos/sub/deeper/c.txt", "");
        const std::string source = dir / "data/Photos";
        dir.makeFolder("backup");
        // The user's click on each option: the menu's action, not only its check mark.
        for (QAction* option : {&w.mnuOptMove, &w.mnuOptDcopy}) {
            if (option->isChecked() != (option == &w.mnuOptMove ? c.move : c.direct)) {
                option->trigger();
            }
        }
        harness.answers = c.answers;
        ASSERT_TRUE(harness.showActive());
        // The list is seen in the widened window.
        QTest::mouseClick(&w.cmdOptions, Qt::LeftButton);
        bool seenRunning = false;
        std::vector<const QWidget*> reached;
        harness.whenDuringRun(
            [&] {
                return harness.elements().lstCopy.count() == 3 ||
                       (c.walked && !w.fraCopy.isHidden());
            },
            [&] {
                seenRunning = !w.fraCopy.isHidden() && !w.cmdStart.isEnabled() &&
                              !w.mnuOpt.menuAction()->isEnabled() && w.cmdPause.isEnabled() &&
                              w.tmrClock.isActive();
                EXPECT_EQ(w.lstCopy.model()->rowCount(), c.walked ? 0 : 3);
                for (int i = 0; i < 8; ++i) {
                    QWidget* focus = QApplication::focusWidget();
                    QTest::keyClick(focus != nullptr ? focus : &w, Qt::Key_Tab);
                    reached.push_back(QApplication::focusWidget());
                }
                QTest::keyClick(&w, Qt::Key_O, Qt::AltModifier);
            });
        harness.runCopy(source, dir / "backup");

        EXPECT_EQ(harness.questions, c.questions);
        EXPECT_EQ(std::pair(w.mnuOptMove.isChecked(), w.mnuOptDcopy.isChecked()),
                  std::pair(c.moved, c.walked));
        EXPECT_EQ(readFile(dir / "backup/Photos/a.txt") + readFile(dir / "backup/Photos/sub/b.txt"),
                  "alphabravo!");
        EXPECT_TRUE(fs::is_regular_file(dir / "backup/Photos/sub/deeper/c.txt"));
        EXPECT_TRUE(seenRunning);
        const QWidget* covered[] = {&w.txtSource,    &w.cmdBrowseSou, &w.txtDestination,
                                    &w.cmdBrowseDes, &w.cmdStart,     &w.cmdOptions};
        for (const QWidget* control : covered) {
            EXPECT_EQ(std::count(reached.begin(), reached.end(), control), 0)
                << control->objectName().toStdString();
        }
        EXPECT_EQ(QApplication::focusWidget(), &w.cmdStart);
        expectIdle(w);
        EXPECT_EQ(fs::exists(source + "/a.txt"), !c.moved);
        EXPECT_EQ(w.txtDestination.text().toStdString(), dir / "backup/");
        // The bars carry their percentages: a file's with one decimal, the total with three,
        // told at each file's turn like the count, so the last turn leaves 2 of 3 files done.
        EXPECT_EQ(w.pbFileCopy.Text(), QStringLiteral("100.0%"));
        if (!c.walked) {
            EXPECT_EQ(
                std::tuple(w.pbTotalFiles.Max(), w.pbTotalFiles.Value(), w.pbTotalFiles.Text()),
                std::tuple(3, 3, QStringLiteral("66.667%")));
        } else {
            EXPECT_EQ(w.pbTotalFiles.Max(), 4);
        }
    }
}

// A window with one large file to copy, and whether the run is in its middle: part of it
// copied, not all.
struct LargeFileRun : WindowHarness {
    LargeFileRun() {
        writeAll(folder().makeFolder("data/Big") + "/big.bin", patterned(24 * 1024 * 1024));
        folder().makeFolder("backup");
    }
    bool midFile() {
        const int percent = elements().pbFileCopy.Value();
        return percent > 0 && percent < 100;
    }
};

// Pause, Unpause and Stop clicked in the middle of the file: the run never saw the pause, the
// file is abandoned and the run ends with its stop lines; Stop stays off until the run's end.
TEST(RunFromWindow, StopInTheMiddleOfTheFileAbandonsItAndEndsTheRun) {
    LargeFileRun harness;
    windows::frmMain& w = harness.window();
    w.mnuOptDcopy.trigger();
    harness.answers = {true};
    QStringList captions;
    harness.whenDuringRun([&] { return harness.midFile(); },
                          [&] {
                              for (int click = 0; click < 2; ++click) {
                                  QTest::mouseClick(&w.cmdPause, Qt::LeftButton);
                                  captions << w.cmdPause.text();
                              }
                              QTest::mouseClick(&w.cmdCancel, Qt::LeftButton);
                              EXPECT_FALSE(w.cmdCancel.isEnabled());
                          });

    harness.runCopy(harness.folder() / "data/Big", harness.folder() / "backup");

    EXPECT_EQ(captions, (QStringList{"Un&pause", "&Pause"}));
    EXPECT_FALSE(fs::exists(harness.folder() / "backup/Big/big.bin"));
    for (const char* line :
         {"User clicked on [Stop]", "File big.bin Canceled", "User clicked [STOP]"}) {
        EXPECT_TRUE(harness.logged(line)) << line;
    }
    expectIdle(w);
    EXPECT_TRUE(w.cmdCancel.isEnabled());
}

// Quit in the middle of the file, and in the report of its last chunk: nothing is placed
// once the log is saved, since no line for it can reach the saved log.
TEST(RunFromWindow, QuitInTheMiddleSavesTheLinesSoFarAndNoneOfTheClosingLines) {
    LargeFileRun harness;
    for (const bool lastChunk : {false, true}) {
        SCOPED_TRACE(lastChunk ? "in the last chunk's report" : "in the middle of the file");
        if (lastChunk) {
            harness.restart();
        }
        windows::frmMain& w = harness.window();
        harness.whenDuringRun(
            [&harness, lastChunk] {
                return lastChunk ? harness.elements().pbFileCopy.Value() == 100 : harness.midFile();
            },
            [&] { w.mnuMenuQuit.trigger(); });

        harness.runCopy(harness.folder() / "data/Big", harness.folder() / "backup");

        EXPECT_TRUE(w.unloaded());
        const std::string saved = harness.logFile();
        const std::string session = saved.substr(saved.rfind("New session started on "));
        EXPECT_TRUE(test::holds(session, "\r\nStart copying on "));
        EXPECT_TRUE(
            test::holds(session, "\r\nTotal files to copy: 1 file(s) in 1 directory(s)\r\n"));
        EXPECT_EQ(session.find("Total time taken"), std::string::npos);
        EXPECT_EQ(session.find("Stopped copying on"), std::string::npos);
        EXPECT_EQ(session.substr(session.size() - 4), "\r\n\r\n");
        // The file being copied was abandoned, not placed unlogged: at most a hidden partial
        // stands there, for a later run to continue.
        for (const auto& entry : fs::directory_iterator(harness.folder() / "backup/Big")) {
            EXPECT_EQ(entry.path().filename().string().front(), '.') << entry.path();
        }
        // The save panel showed the save.
        EXPECT_EQ(w.lblSave.text(), "Saving log entry's to log file (log_04_12_2026.txt)");
    }
    EXPECT_EQ(harness.endings, 2);
}

} // namespace
} // namespace orvane::test
