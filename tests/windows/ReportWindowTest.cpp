#include "windows/frmErr.h"

#include "windows/WindowTestSupport.h"

#include <QListView>

#include <gtest/gtest.h>

namespace orvane {

using namespace windows;

namespace {

// The view shows every item of the list, the last one selected and in view.
bool lastRowSelectedAndInView(const frmErr& window) {
    const QListView& view = window.lstErrView();
    const int last = static_cast<int>(window.lstErr().count()) - 1;
    if (view.model()->rowCount() != last + 1) {
        return false;
    }
    const QModelIndex index = view.model()->index(last, 0);
    return view.selectionModel()->selectedIndexes() == QModelIndexList{index} &&
           view.currentIndex() == index && view.viewport()->rect().contains(view.visualRect(index));
}

} // namespace

// Opening lists every line of the log in order, none to many, also while a Stop or Pause stands
// from an earlier run (or is not yet seen by the run): such a flag neither cuts the load short,
// leaving a partial list and a stuck panel, nor is cleared, since it is the run's. Then each new
// line is at once the list's last item and its selection, scrolled into view. Opening it again
// while open loads nothing; closed, it takes no lines, and reopening loads those that came.
TEST(ReportWindow, ListsEveryLineInOrderThenShowsEachNewLineSelectedAtTheBottom) {
    const struct {
        int lines;
        std::int32_t flag;
    } cases[] = {{0, run_control::none},
                 {4, run_control::none},
                 {5, run_control::stop},
                 {5, run_control::pause}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.lines << " lines, flag " << c.flag);
        test::SecondaryHarness h;
        for (int i = 0; i < c.lines; ++i) {
            h.log.AddLogEntry("entry " + std::to_string(i));
        }
        h.state.RunControl = c.flag;
        frmErr& report = h.windows.showReport();
        EXPECT_EQ(report.windowTitle(), "Log");
        EXPECT_EQ(test::itemsOf(report.lstErr()), test::linesOf(h.log));
        EXPECT_EQ(std::pair(h.mainWindow.pbSaveLog.Max(), h.mainWindow.pbSaveLog.Value()),
                  std::pair(c.lines, c.lines));
        EXPECT_FALSE(h.mainWindow.fraSave.visible());
        EXPECT_TRUE(h.log.ReportLive);
        EXPECT_EQ(h.state.RunControl, c.flag);

        for (int i = 0; i < 300; ++i) {
            h.log.AddLogEntry("line " + std::to_string(i));
            ASSERT_EQ(report.lstErr().count(), h.log.count());
            ASSERT_EQ(report.lstErr().ListIndex(), static_cast<int>(h.log.count()) - 1);
        }
        EXPECT_EQ(test::itemsOf(report.lstErr()).back(), "line 299");
        EXPECT_TRUE(test::eventually([&] { return lastRowSelectedAndInView(report); }));

        h.mainWindow.pbSaveLog.setValue(-7);
        EXPECT_EQ(&h.windows.showReport(), &report);
        EXPECT_EQ(h.mainWindow.pbSaveLog.Value(), -7) << "an open window was loaded again";
        report.close();
        EXPECT_FALSE(h.log.ReportLive);
        h.log.AddLogEntry("while closed");
        ASSERT_TRUE(test::eventually([&] { return h.windows.report() == nullptr; }));
        EXPECT_EQ(test::itemsOf(h.windows.showReport().lstErr()), test::linesOf(h.log));
    }
}

// Each step of the load on the save panel, as "Value/Max": shown with its own caption and
// without the Cancel of a load that cannot be cancelled; a line that arrives halfway (whatever
// repaints the bar may append one) raises Max and is still listed.
TEST(ReportWindow, LoadShowsTheCountOnTheSavePanelAndRaisesMaxForLinesThatArrive) {
    test::SecondaryHarness h;
    for (int i = 1; i <= 3; ++i) {
        h.log.AddLogEntry("entry " + std::to_string(i));
    }
    h.mainWindow.lblSave.setCaption("Saving log entry's to log file");
    std::vector<std::string> steps;
    const auto& w = h.mainWindow;
    h.mainWindow.pbSaveLog.changed.bind([&] {
        const bool asShown = w.fraSave.visible() && !w.cmdCancelLoad.visible() &&
                             w.lblSave.caption() == "Loading log entry's";
        steps.push_back(std::to_string(w.pbSaveLog.Value()) + "/" +
                        std::to_string(w.pbSaveLog.Max()) + (asShown ? "" : " unlike the load"));
        if (w.pbSaveLog.Value() == 2 && h.log.count() == 3) {
            h.log.AddLogEntry("arrived during the load");
        }
    });

    frmErr& report = h.windows.showReport();
    EXPECT_EQ(steps, (std::vector<std::string>{"0/3", "0/3", "1/3", "2/3", "2/4", "3/4", "4/4"}));
    EXPECT_TRUE(w.cmdCancelLoad.visible());
    EXPECT_EQ(test::itemsOf(report.lstErr()), test::linesOf(h.log));
}

} // namespace orvane
