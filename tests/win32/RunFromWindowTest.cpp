#include "Win32Harness.h"
#include "win32/ReportWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace orvane::test {
namespace {

// A whole run from the Start button of the hidden window. "Move Files" is asked in the
// system's box, whose Cancel makes the run a copy. During the run the copy-status panel
// covers the folders (Tab never reaches them), the Options menu is grey, and the report
// window opened from the menu follows the log. Paused in the middle of a file, the run sleeps
// until Unpause, then goes on; Stop in a later file abandons it and ends the run. Afterwards the
// window is idle again, and the report window's list box holds every line of the log.
TEST(RunFromWindow, ACopyFromStartWithPauseUnpauseAndStop) {
    Win32Harness harness;
    MainWindowElements& e = harness.window().elements();
    windowlogic::frmMain& logic = harness.window().logic();
    const TempFolder& dir = harness.folder();
    dir.write("data/Photos/a.txt", "alpha");
    for (const char* name : {"big1.bin", "big2.bin", "big3.bin"}) {
        std::filesystem::resize_file(dir.write(std::string("data/Photos/") + name, ""), 48 << 20);
    }
    dir.makeFolder("backup");
    harness.choose(MenuCommand::mnuOptMove);
    ASSERT_EQ(harness.menuState(MenuCommand::mnuOptMove) & MF_CHECKED, UINT{MF_CHECKED});

    const auto midFile = [&] { return e.pbFileCopy.Value() > 0 && e.pbFileCopy.Value() < 90; };
    std::string question;
    bool seenRunning = false;
    std::vector<HWND> reached;
    std::size_t linesAtUnpause = 0;
    User user({{[] { return OpenDialog() != nullptr; },
                [&] {
                    question = win32::TextOf(::GetDlgItem(OpenDialog(), 0xFFFF));
                    ::SendMessageW(OpenDialog(), WM_COMMAND, IDCANCEL, 0);
                }},
               {midFile,
                [&] {
                    const UINT options =
                        ::GetMenuState(::GetMenu(harness.hwnd()), 1, MF_BYPOSITION);
                    seenRunning = (options & MF_GRAYED) != 0 &&
                                  !::IsWindowVisible(harness.control(MainControl::cmdStart));
                    for (HWND at = nullptr; reached.size() < 6;) {
                        reached.push_back(at = ::GetNextDlgTabItem(harness.hwnd(), at, FALSE));
                    }
                    harness.click(MainControl::cmdPause);
                    harness.choose(MenuCommand::mnuMenuReport);
                }},
               {[&] { return logic.runState().RunControl == run_control::pause; },
                [&] {
                    harness.click(MainControl::cmdPause);
                    linesAtUnpause = logic.sessionLog().count();
                }},
               {[&] { return logic.sessionLog().count() > linesAtUnpause && midFile(); },
                [&] { harness.click(MainControl::cmdCancel); }}});
    harness.type(MainControl::txtSource, dir / "data/Photos");
    harness.type(MainControl::txtDestination, dir / "backup");
    harness.click(MainControl::cmdStart);

    EXPECT_TRUE(user.done());
    EXPECT_EQ(question, "Move files, is still on\r\nok = move, cancel = copy");
    EXPECT_EQ(harness.menuState(MenuCommand::mnuOptMove) & MF_CHECKED, 0U);
    EXPECT_TRUE(seenRunning);
    for (const MainControl covered :
         {MainControl::txtSource, MainControl::cmdBrowseSou, MainControl::txtDestination,
          MainControl::cmdBrowseDes, MainControl::cmdStart, MainControl::cmdOptions}) {
        EXPECT_EQ(std::count(reached.begin(), reached.end(), harness.control(covered)), 0);
    }
    // The run went on after the pause, and the file the stop fell in was abandoned.
    const SessionLog& log = logic.sessionLog();
    const std::vector<std::string> lines = linesOf(log);
    const auto stop = std::find(lines.begin(), lines.end(), "User clicked on [Stop]");
    ASSERT_NE(stop, lines.end());
    EXPECT_TRUE(std::any_of(lines.begin(), stop, [](const std::string& line) {
        return line.starts_with("File big") || line.starts_with("1. File big");
    }));
    EXPECT_TRUE(stop + 1 != lines.end() && stop[1].ends_with(".bin Canceled"));
    EXPECT_TRUE(std::filesystem::exists(dir / "data/Photos/a.txt")) << "copied, not moved";

    EXPECT_TRUE(win32::IsShown(harness.control(MainControl::cmdStart)) &&
                !win32::IsShown(harness.control(MainControl::fraCopy)));
    EXPECT_EQ(::GetMenuState(::GetMenu(harness.hwnd()), 1, MF_BYPOSITION) & MF_GRAYED, 0U);
    EXPECT_EQ(win32::TextOf(harness.control(MainControl::txtDestination)), dir / "backup\\");
    // The bars' captions are their window texts too, for a screen reader.
    const std::string total = win32::TextOf(harness.control(MainControl::pbTotalFiles));
    EXPECT_TRUE(total == e.pbTotalFiles.Text() && total.ends_with("%")) << total;
    // The report window's list box has caught up with the log within its echo's 100 ms.
    windowlogic::frmErr* report = logic.secondaryWindows().report();
    ASSERT_NE(report, nullptr);
    const HWND list = dynamic_cast<win32::ReportWindow&>(report->view()).lstErr();
    EXPECT_TRUE(PumpUntil([&] {
        return ::SendMessageW(list, LB_GETCOUNT, 0, 0) == static_cast<LRESULT>(log.count());
    }));
    EXPECT_EQ(ListText(list, log.count() - 1), std::string(46, '-'));
    EXPECT_EQ(ListText(list, log.count() - 2).rfind("Stopped copying on ", 0), 0U);
}

} // namespace
} // namespace orvane::test
