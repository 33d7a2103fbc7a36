#include "qt/HistoryWindow.h"
#include "qt/InfoWindow.h"
#include "qt/ReportWindow.h"
#include "qt/WindowHarness.h"

#include <gtest/gtest.h>

namespace orvane::test {
namespace {

using qt::MainWindow;
using windowlogic::MenuCommand;

// The info window's labels show the texts its activation writes, the message on three lines,
// the design captions of its table, and its links and logo open their pages through the
// window's dialogs when clicked; the link under the pointer turns bold. Back closes it.
TEST(MenuWindows, AboutShowsItsTextsAndAnswersThePointer) {
    WindowHarness harness;
    MainWindow& w = harness.window();
    w.entry(MenuCommand::mnuHelpAbout).trigger();
    qt::InfoWindow* info = w.findChild<qt::InfoWindow*>();
    ASSERT_NE(info, nullptr);
    w.logic().secondaryWindows().info()->Form_Activate();
    EXPECT_EQ(info->lbluse.text(), "Used: 1 time(s).");
    EXPECT_EQ(std::pair(info->Label5.text(), info->cmdback.text()),
              std::pair(QString("Status:"), QString("&Back")));
    QTest::mouseMove(&info->lblsite[1], QPoint(2, 2));
    EXPECT_TRUE(info->lblsite[1].font().bold() && !info->lblsite[0].font().bold());
    EXPECT_EQ(info->Label1.text().count('\n'), 2);
    for (QLabel* link : {&info->lblsite[1], &info->lblsite[0], &info->Image1}) {
        QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    }
    EXPECT_EQ(harness.opened,
              (std::vector<QString>{"https://grid.orvane.example.org", "https://orvane.example.org",
                                    "https://orvane.example.org"}));
    QTest::mouseClick(&info->cmdback, Qt::LeftButton);
    EXPECT_EQ(w.logic().secondaryWindows().info(), nullptr);
}

// The menu's shortcuts come before a text box's own key bindings (Ctrl+A selects a box's
// text), and the caret starts in the source box. The report window's list fills it, and
// each new line shows at the bottom, selected and scrolled into view.
TEST(MenuWindows, ShortcutsReachTheirWindowsFromTheFolderBoxes) {
    WindowHarness harness;
    MainWindow& w = harness.window();
    ASSERT_TRUE(harness.showActive());
    EXPECT_EQ(QApplication::focusWidget(), &w.txtSource);
    w.txtSource.setText("/home");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_NE(w.logic().secondaryWindows().info(), nullptr) << "Ctrl+A in the source box";
    EXPECT_FALSE(w.txtSource.hasSelectedText());
    w.txtDestination.setFocus();
    QTest::keyClick(&w.txtDestination, Qt::Key_R, Qt::ControlModifier);
    qt::ReportWindow* report = w.findChild<qt::ReportWindow*>();
    ASSERT_NE(report, nullptr) << "Ctrl+R in the destination box";
    EXPECT_EQ(report->lstErrView().geometry(), report->rect());
    SessionLog& log = w.logic().sessionLog();
    for (int i = 0; i < 300; ++i) {
        log.AddLogEntry("line " + std::to_string(i));
    }
    const QListView& view = report->lstErrView();
    const auto lastShown = [&] {
        const QModelIndex last = view.model()->index(static_cast<int>(log.count()) - 1, 0);
        return view.model()->rowCount() == static_cast<int>(log.count()) &&
               view.selectionModel()->selectedIndexes() == QModelIndexList{last} &&
               view.viewport()->rect().contains(view.visualRect(last));
    };
    EXPECT_TRUE(eventually(lastShown));
}

// The history's lines stand on lines of their own in the text box; the window is 5370 × 6585
// twips outside, 358 × 439 pixels, frame included (the offscreen platform reports a frame of
// its own once the window is shown), and the text box fills what is inside.
TEST(HistoryWindow, ShowsTheLinesInAWindowSizedByItsOuterFrame) {
    WindowHarness harness;
    harness.folder().write("bin/bin_history.txt", "1.0.37\r\n\r\nlast");
    harness.window().entry(MenuCommand::mnuHelpHistory).trigger();
    qt::HistoryWindow* history = harness.window().findChild<qt::HistoryWindow*>();
    ASSERT_NE(history, nullptr);
    EXPECT_EQ(history->txtHistory.toPlainText(), "1.0.37\n\nlast");
    EXPECT_EQ(history->frameGeometry().size(), QSize(358, 439));
    EXPECT_EQ(history->txtHistory.size(), history->size());
}

} // namespace
} // namespace orvane::test
