#include "support/VersionText.h"
#include "windows/FolderPicker.h"
#include "windows/WindowHarness.h"
#include "windows/frmHistory.h"

#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include <optional>

namespace orvane::test {
namespace {

using windows::frmMain;

// The Debug and About commands open their windows on the main window's own state:
// the run's totals in the scale they are held in (four decimals of the raw scale), refreshed by
// the debug window itself, the use count of this first start, the version, the
// copyright from 2004 to this year and links opened through the window's dialogs, as Update opens
// the project's page with the short version.
TEST(MenuWindows, DebugAndAboutOpenOnTheMainWindowsState) {
    WindowHarness harness("-DEBUG");
    frmMain& w = harness.window();
    w.runState().CTotalFileSize = Amount::fromRaw(-12345);
    w.runState().CTotalFileSizetrans = Amount::fromRaw(12345000);
    w.mnuOptDebug.trigger();
    windows::frmDebug* debug = w.secondaryWindows().debug();
    ASSERT_NE(debug, nullptr);
    ASSERT_TRUE(eventually([&] { return debug->lblCTotalFileSize().text() != "Label1"; }));
    EXPECT_EQ(debug->lblCTotalFileSize().text(), "CTotalFileSize: -1.2345");
    EXPECT_EQ(debug->lblCTotalFileSizeTrans().text(), "CTotalFileSizetrans: 1234.5");

    w.mnuHelpAbout.trigger();
    windows::frminfo* info = w.secondaryWindows().info();
    ASSERT_NE(info, nullptr);
    info->Form_Activate();
    EXPECT_EQ(info->lbluse().text(), "Used: 1 time(s).");
    EXPECT_EQ(info->lblversion().text(), "Version: 1.0 Build37 BETA");
    EXPECT_TRUE(info->lblcopyright().text().contains("2004-2026"));
    for (QLabel* link : {&info->lblsite(1), &info->lblsite(0), &info->Image1()}) {
        QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    }
    w.mnuHelpUpdate.trigger();
    EXPECT_EQ(harness.opened,
              (std::vector<QString>{
                  "https://grid.orvane.example.org", "https://orvane.example.org",
                  "https://orvane.example.org",
                  QString::fromStdString("https://orvane.example.org/prg_update.php?p=9&v=" +
                                         VersionText(true))}));
}

// The menu's shortcuts come before a text box's own key bindings (Ctrl+A selects a box's
// text), and the caret starts in the source box.
TEST(MenuWindows, ShortcutsReachTheirWindowsFromTheFolderBoxes) {
    WindowHarness harness;
    frmMain& w = harness.window();
    ASSERT_TRUE(harness.showActive());
    EXPECT_EQ(QApplication::focusWidget(), &w.txtSource);
    w.txtSource.setText("/home");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_NE(w.secondaryWindows().info(), nullptr) << "Ctrl+A in the source box";
    EXPECT_FALSE(w.txtSource.hasSelectedText());
    w.txtDestination.setFocus();
    QTest::keyClick(&w.txtDestination, Qt::Key_R, Qt::ControlModifier);
    EXPECT_NE(w.secondaryWindows().report(), nullptr) << "Ctrl+R in the destination box";
}

// What the History command shows: each line of the file on its own line, an empty first one
// kept, no empty one added after the last, a last line read without its end. Without a history to
// show (no file, or one without a line) it tells the user and closes.
TEST(HistoryWindow, ShowsEachLineOfTheFileOnItsOwnLineOrTellsThereIsNone) {
    const std::pair<std::optional<std::string>, std::optional<QString>> cases[] = {
        {"1.0.37\r\n- first line\r\nlast\r\n", "1.0.37\n- first line\nlast"},
        {"\r\nsecond\r\n\r\nfourth", "\nsecond\n\nfourth"},
        {std::nullopt, std::nullopt},
        {"", std::nullopt}};
    for (const auto& [file, text] : cases) {
        SCOPED_TRACE(file.value_or("(none)"));
        WindowHarness harness;
        if (file) {
            harness.folder().write("bin/bin_history.txt", *file);
        }
        harness.window().mnuHelpHistory.trigger();
        windows::SecondaryWindows& windows = harness.window().secondaryWindows();
        ASSERT_NE(windows.history(), nullptr);
        if (text) {
            EXPECT_EQ(windows.history()->txtHistory().toPlainText(), *text);
            EXPECT_TRUE(windows.history()->isVisible() && harness.shown.empty());
        } else {
            EXPECT_EQ(harness.shown, std::vector<QString>{"Orvane|No history file found"});
            EXPECT_TRUE(eventually([&] { return windows.history() == nullptr; }));
        }
    }
}

// The chosen path comes back without a trailing separator, except the root; the dialog starts
// at the given folder (17, the drives, is "/"), or without one at its root (0, the desktop, is
// the home folder); an empty title becomes the default and is written back.
TEST(BrowseForFolder, TitlesTheDialogStartsItAndReturnsThePathWithoutItsSeparator) {
    const struct {
        std::optional<int> start;
        QString answer;
        std::string returned;
        QString started;
    } cases[] = {{std::nullopt, "", "", QDir::homePath()},
                 {17, "/srv/data/", "/srv/data", "/"},
                 {17, "/", "/", "/"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer.toStdString());
        std::string title;
        QStringList call;
        const auto dialog = [&](QWidget*, const QString& shown, const QString& start,
                                const QString&) {
            call = {shown, start};
            return c.answer;
        };
        EXPECT_EQ(windows::BrowseForFolder(nullptr, title, c.start, 0, dialog), c.returned);
        EXPECT_EQ(call, (QStringList{"Browse for a folder", c.started}));
        EXPECT_EQ(title, "Browse for a folder");
    }
}

} // namespace
} // namespace orvane::test
