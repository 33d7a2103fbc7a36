#include "common/CopyFixtures.h"
#include "qt/WindowHarness.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace orvane::test {
namespace {

// A run from the window's widgets: during it the window shows the run's state on the
// copy-status panel and the copy list, and keys reach only the panel, never a control it
// covers; afterwards the window is idle again with the destination box showing the composed
// destination, the bars their percentages, and the focus on Start Copy, so Enter or Space
// starts again.
TEST(RunFromWindow, TheWidgetsShowTheRunAndKeysReachOnlyTheUncoveredPanel) {
    WindowHarness harness;
    qt::MainWindow& w = harness.window();
    const TempFolder& dir = harness.folder();
    dir.write("data/Photos/a.txt", "alpha");
    dir.write("data/Photos/sub/b.txt", "bravo!");
    dir.write("data/Photos/sub/deeper/c.txt", "");
    dir.makeFolder("backup");
    ASSERT_TRUE(harness.showActive());
    // The list is seen in the widened window.
    QTest::mouseClick(&w.cmdOptions, Qt::LeftButton);
    bool seenRunning = false;
    std::vector<const QWidget*> reached;
    harness.whenDuringRun([&] { return w.elements().lstCopy.count() == 3; },
                          [&] {
                              seenRunning = !w.fraCopy.isHidden() && !w.cmdStart.isEnabled() &&
                                            !w.mnuOpt.menuAction()->isEnabled() &&
                                            w.cmdPause.isEnabled() && w.tmrClock.isActive() &&
                                            w.lstCopy.model()->rowCount() == 3;
                              for (int i = 0; i < 8; ++i) {
                                  QWidget* focus = QApplication::focusWidget();
                                  QTest::keyClick(focus != nullptr ? focus : &w, Qt::Key_Tab);
                                  reached.push_back(QApplication::focusWidget());
                              }
                              QTest::keyClick(&w, Qt::Key_O, Qt::AltModifier);
                          });
    harness.runCopy(dir / "data/Photos", dir / "backup");

    EXPECT_TRUE(seenRunning);
    const QWidget* covered[] = {&w.txtSource,    &w.cmdBrowseSou, &w.txtDestination,
                                &w.cmdBrowseDes, &w.cmdStart,     &w.cmdOptions};
    for (const QWidget* control : covered) {
        EXPECT_EQ(std::count(reached.begin(), reached.end(), control), 0)
            << control->objectName().toStdString();
    }
    EXPECT_EQ(QApplication::focusWidget(), &w.cmdStart);
    EXPECT_TRUE(w.cmdStart.isEnabled() && w.fraCopy.isHidden() && !w.tmrClock.isActive() &&
                w.mnuOpt.menuAction()->isEnabled());
    EXPECT_EQ(w.txtDestination.text().toStdString(), dir / "backup/");
    // The bars carry their percentages: a file's with one decimal, the total with three,
    // told at each file's turn like the count, so the last turn leaves 2 of 3 files done.
    EXPECT_EQ(w.pbFileCopy.Text(), QStringLiteral("100.0%"));
    EXPECT_EQ(std::tuple(w.pbTotalFiles.Max(), w.pbTotalFiles.Value(), w.pbTotalFiles.Text()),
              std::tuple(3, 3, QStringLiteral("66.667%")));
}

} // namespace
} // namespace orvane::test
