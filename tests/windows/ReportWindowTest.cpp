#include "windows/frmErr.h"

#include "common/EngineHarness.h"
#include "windows/SecondaryWindows.h"
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

TEST(ReportWindow, AfterARunListsEveryLineInOrderThenShowsEachNewLineSelectedAtTheBottom) {
    test::TempFolder temp;
    for (const char* name : {"a.txt", "b.txt", "sub/c.txt"}) {
        temp.write(std::string("data/") + name, name);
    }
    test::EngineHarness run(temp / "data", temp.makeFolder("copy"));
    run.runDirectMode();
    ASSERT_GE(run.log.count(), 4U);

    QWidget owner;
    test::RecordingDialogs boxes;
    SecondaryWindows windows(owner, {run.log, run.state, run.window, boxes.dialogs, [] {}, "",
                                     [] { return InfoFacts{}; }});
    frmErr& report = windows.showReport();
    EXPECT_EQ(report.windowTitle(), "Log");
    EXPECT_EQ(test::itemsOf(report.lstErr()), test::linesOf(run.log));
    EXPECT_TRUE(run.log.ReportLive);
    EXPECT_EQ(run.window.pbSaveLog.Max(), static_cast<int>(run.log.count()));
    EXPECT_EQ(run.window.pbSaveLog.Value(), static_cast<int>(run.log.count()));
    EXPECT_FALSE(run.window.fraSave.visible());

    // Each new line is at once the list's last item and its selection; the view follows.
    for (int i = 0; i < 300; ++i) {
        run.log.AddLogEntry("line " + std::to_string(i));
        ASSERT_EQ(report.lstErr().count(), run.log.count());
        ASSERT_EQ(report.lstErr().ListIndex(), static_cast<int>(run.log.count()) - 1);
    }
    EXPECT_EQ(test::itemsOf(report.lstErr()).back(), "line 299");
    // Far more lines than fit: the last one is shown selected and scrolled into view.
    EXPECT_TRUE(test::eventually([&] { return lastRowSelectedAndInView(report); }));
    run.log.AddLogEntry("one more");
    EXPECT_TRUE(test::eventually([&] { return lastRowSelectedAndInView(report); }));
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
    EXPECT_FALSE(h.mainWindow.fraSave.visible());
    EXPECT_EQ(test::itemsOf(report.lstErr()), test::linesOf(h.log));
    EXPECT_TRUE(h.log.ReportLive);
}

TEST(ReportWindow, ReopeningLoadsTheLinesAppendedWhileClosedAndOpeningWhileOpenReloadsNothing) {
    test::SecondaryHarness h;
    h.log.AddLogEntry("first");
    frmErr* report = &h.windows.showReport();
    h.mainWindow.pbSaveLog.setValue(-7);
    EXPECT_EQ(&h.windows.showReport(), report);
    EXPECT_EQ(h.mainWindow.pbSaveLog.Value(), -7) << "an open window was loaded again";
    EXPECT_EQ(report->lstErr().count(), 1U);

    report->close();
    EXPECT_FALSE(h.log.ReportLive);
    h.log.AddLogEntry("while closed 1");
    h.log.AddLogEntry("while closed 2");
    ASSERT_TRUE(test::eventually([&] { return h.windows.report() == nullptr; }));

    frmErr& again = h.windows.showReport();
    EXPECT_EQ(test::itemsOf(again.lstErr()),
              (std::vector<std::string>{"first", "while closed 1", "while closed 2"}));
    EXPECT_TRUE(h.log.ReportLive);
    h.windows.unloadReport();
    EXPECT_FALSE(h.log.ReportLive);
}

TEST(ReportWindow, AnEmptyLogLeavesTheListEmptyAndTheWindowLive) {
    test::SecondaryHarness h;
    frmErr& report = h.windows.showReport();
    EXPECT_EQ(report.lstErr().count(), 0U);
    EXPECT_EQ(h.mainWindow.pbSaveLog.Max(), 0);
    EXPECT_FALSE(h.mainWindow.fraSave.visible());
    EXPECT_TRUE(h.log.ReportLive);
    h.log.AddLogEntry("the first line");
    EXPECT_TRUE(test::eventually([&] { return lastRowSelectedAndInView(report); }));
}

TEST(ReportWindow, TheListFillsTheClientAreaExactlyAfterEveryResize) {
    test::SecondaryHarness h;
    frmErr& report = h.windows.showReport();
    EXPECT_EQ(report.lstErrView().geometry(), report.rect());
    for (const QSize size : {QSize(333, 222), QSize(120, 700), QSize(640, 90)}) {
        report.resize(size);
        ASSERT_TRUE(test::eventually([&] { return report.size() == size; }));
        EXPECT_EQ(report.lstErrView().geometry(), QRect(QPoint(0, 0), size));
    }
}

// A Stop left standing from an earlier run (or not yet seen by the run) must neither cut the
// load short, leaving a partial list and a stuck panel, nor be cleared: it is the run's.
TEST(ReportWindow, AStandingStopOrPauseNeitherCutsTheLoadShortNorIsCleared) {
    for (const std::int32_t flag : {run_control::stop, run_control::pause}) {
        test::SecondaryHarness h;
        for (int i = 0; i < 5; ++i) {
            h.log.AddLogEntry("line " + std::to_string(i));
        }
        h.state.RunControl = flag;
        frmErr& report = h.windows.showReport();
        EXPECT_EQ(test::itemsOf(report.lstErr()), test::linesOf(h.log)) << "flag " << flag;
        EXPECT_FALSE(h.mainWindow.fraSave.visible());
        EXPECT_TRUE(h.log.ReportLive);
        EXPECT_EQ(h.state.RunControl, flag);
    }
}

} // namespace orvane
