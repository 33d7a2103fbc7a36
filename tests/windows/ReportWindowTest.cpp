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

TEST(ReportWindow, LoadShowsTheCountOnTheSavePanelAndRaisesMaxForLinesThatArrive) {
    test::SecondaryHarness h;
    for (int i = 1; i <= 3; ++i) {
        h.log.AddLogEntry("entry " + std::to_string(i));
    }
    h.mainWindow.lblSave.setCaption("Saving log entry's to log file");
    struct Step {
        bool panelShown;
        std::string caption;
        int max, value;
        bool operator==(const Step&) const = default;
    };
    std::vector<Step> steps;
    bool cancelOffered = true;
    h.mainWindow.pbSaveLog.changed.bind([&] {
        const auto& w = h.mainWindow;
        steps.push_back(
            {w.fraSave.visible(), w.lblSave.caption(), w.pbSaveLog.Max(), w.pbSaveLog.Value()});
        cancelOffered = cancelOffered && w.cmdCancelLoad.visible();
        // Whatever repaints the bar appends a line once, halfway: it must still be listed.
        if (w.pbSaveLog.Value() == 2 && h.log.count() == 3) {
            h.log.AddLogEntry("arrived during the load");
        }
    });

    frmErr& report = h.windows.showReport();
    const std::string loading = "Loading log entry's";
    EXPECT_EQ(steps, (std::vector<Step>{{true, loading, 3, 0},
                                        {true, loading, 3, 0},
                                        {true, loading, 3, 1},
                                        {true, loading, 3, 2},
                                        {true, loading, 4, 2},
                                        {true, loading, 4, 3},
                                        {true, loading, 4, 4}}));
    EXPECT_FALSE(cancelOffered) << "the Cancel of a load that cannot be cancelled was shown";
    EXPECT_TRUE(h.mainWindow.cmdCancelLoad.visible());
    EXPECT_EQ(test::itemsOf(report.lstErr()), test::linesOf(h.log));
}

} // namespace orvane
