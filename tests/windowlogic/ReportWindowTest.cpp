#include "windowlogic/ScriptedWindow.h"

#include <gtest/gtest.h>

namespace orvane::test {
namespace {

// Opening lists every line of the log in order, also while a Stop or Pause stands from an
// earlier run (or is not yet seen by the run): such a flag neither cuts the load short, leaving a
// partial list and a stuck panel, nor is cleared, since it is the run's. The save panel shows
// each step of the load as "Value/Max", with its own caption and without the Cancel of a load
// that cannot be cancelled; a line that arrives halfway (whatever repaints the bar may append
// one) raises Max and is still listed. Then each new line is at once the list's last item and
// its selection. Opening it again while open loads nothing; closed, it takes no lines, and
// reopening loads those that came.
TEST(ReportWindow, ListsEveryLineInOrderThenShowsEachNewLineSelectedAtTheBottom) {
    for (const std::int32_t flag : {run_control::none, run_control::stop, run_control::pause}) {
        SCOPED_TRACE(flag);
        LogicHarness harness;
        SessionLog& log = harness.main().sessionLog();
        MainWindowElements& panel = harness.elements();
        while (log.count() < 3) {
            log.AddLogEntry("entry");
        }
        harness.main().runState().RunControl = flag;
        std::vector<std::string> steps;
        panel.pbSaveLog.changed.bind([&] {
            const bool asShown = panel.fraSave.visible() && !panel.cmdCancelLoad.visible() &&
                                 panel.lblSave.caption() == "Loading log entry's";
            steps.push_back(std::to_string(panel.pbSaveLog.Value()) + "/" +
                            std::to_string(panel.pbSaveLog.Max()) + (asShown ? "" : " unlike"));
            if (panel.pbSaveLog.Value() == 2 && log.count() == 3) {
                log.AddLogEntry("arrived during the load");
            }
        });
        windowlogic::SecondaryWindows& windows = harness.main().secondaryWindows();
        windowlogic::frmErr& report = windows.showReport();
        EXPECT_EQ(steps,
                  (std::vector<std::string>{"0/3", "0/3", "1/3", "2/3", "2/4", "3/4", "4/4"}));
        EXPECT_EQ(itemsOf(report.lstErr), linesOf(log));
        EXPECT_TRUE(!panel.fraSave.visible() && panel.cmdCancelLoad.visible());
        EXPECT_EQ(harness.main().runState().RunControl, flag);
        EXPECT_TRUE(harness.window.report->shown && log.ReportLive);

        for (int i = 0; i < 3; ++i) {
            log.AddLogEntry("line " + std::to_string(i));
            ASSERT_EQ(report.lstErr.ListIndex(), static_cast<int>(log.count()) - 1);
        }
        EXPECT_EQ(itemsOf(report.lstErr), linesOf(log));

        panel.pbSaveLog.setValue(-7);
        EXPECT_EQ(&windows.showReport(), &report);
        EXPECT_EQ(panel.pbSaveLog.Value(), -7) << "an open window was loaded again";
        harness.window.report->closeWindow();
        EXPECT_FALSE(log.ReportLive);
        log.AddLogEntry("while closed");
        EXPECT_EQ(windows.report(), nullptr);
        EXPECT_EQ(itemsOf(windows.showReport().lstErr), linesOf(log));
    }
}

} // namespace
} // namespace orvane::test
