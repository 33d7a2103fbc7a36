#include "support/VersionText.h"
#include "windows/WindowHarness.h"

#include <QLabel>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

namespace orvane::test {
namespace {

using windows::frmMain;

// The Debug and About commands open their windows on the main window's own state:
// the run's totals in the scale they are held in (four decimals of the raw scale), refreshed by
// the debug window itself twice a second, the use count of this first start, the version, the
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
    EXPECT_EQ(debug->Timer1().interval(), 500);
    ASSERT_TRUE(eventually([&] { return debug->lblCTotalFileSize().text() != "Label1"; }));
    EXPECT_EQ(debug->lblCTotalFileSize().text(), "CTotalFileSize: -1.2345");
    EXPECT_EQ(debug->lblCTotalFileSizeTrans().text(), "CTotalFileSizetrans: 1234.5");

    w.mnuHelpAbout.trigger();
    windows::frminfo* info = w.secondaryWindows().info();
    ASSERT_NE(info, nullptr);
    info->Form_Activate();
    EXPECT_EQ(info->windowTitle(), "Info   [2.8]");
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

} // namespace
} // namespace orvane::test
