#include "Win32Harness.h"
#include "win32/DebugWindow.h"
#include "win32/HistoryWindow.h"
#include "win32/InfoWindow.h"
#include "win32/ReportWindow.h"

#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>

namespace orvane::test {
namespace {

using windowlogic::InfoControl;

// A key as the keyboard sends it to the control with the focus, Ctrl held or not, handed on
// by the program's own loop.
void Press(WPARAM key, bool control = false) {
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = control ? 0x80 : 0;
    ::SetKeyboardState(keys);
    ::PostMessageW(::GetFocus(), WM_KEYDOWN, key, 1);
    ::PostMessageW(::GetFocus(), WM_KEYUP, key, 0xC0000001);
    win32::HandleWaitingMessages();
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
}

// The control covers its window's inner area exactly.
bool FillsItsWindow(HWND control) {
    RECT inner{}, outer{};
    ::GetClientRect(::GetParent(control), &inner);
    ::GetWindowRect(control, &outer);
    ::MapWindowPoints(nullptr, ::GetParent(control), reinterpret_cast<POINT*>(&outer), 2);
    return ::EqualRect(&inner, &outer) != FALSE;
}

// The caret starts in the source box. Tab follows the layout, through the frames, and comes
// round again; the menu's shortcuts come before a text box's own keys: Ctrl+A in a box opens
// the info window.
TEST(Keys, TabFollowsTheLayoutAndShortcutsWorkFromATextBox) {
    Win32Harness harness;
    ::ShowWindow(harness.hwnd(), SW_SHOW);
    ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == harness.control(MainControl::txtSource); }));
    std::vector<HWND> reached;
    for (int i = 0; i < 6; ++i) {
        Press(VK_TAB);
        reached.push_back(::GetFocus());
    }
    const auto at = [&](MainControl control) { return harness.control(control); };
    EXPECT_EQ(reached,
              (std::vector<HWND>{at(MainControl::cmdBrowseSou), at(MainControl::txtDestination),
                                 at(MainControl::cmdBrowseDes), at(MainControl::cmdStart),
                                 at(MainControl::cmdOptions), at(MainControl::txtSource)}));
    Press('A', true);
    EXPECT_NE(harness.window().logic().secondaryWindows().info(), nullptr);
}

// The boxes hold UTF-16 and the program UTF-8: a name outside every code page passes both
// ways, a character beyond 16 bits included.
TEST(Keys, TheFolderBoxesCarryAnyNameBothWays) {
    Win32Harness harness;
    ::SetWindowTextW(harness.control(MainControl::txtSource), L"C:\\Fotos \u00e4\u20ac\U0001F600");
    EXPECT_EQ(harness.window().elements().txtSource.caption(),
              "C:\\Fotos \xc3\xa4\xe2\x82\xac\xf0\x9f\x98\x80");
    harness.window().elements().txtDestination.setCaption("D:\\\xe2\x82\xac");
    wchar_t shown[8] = {};
    ::GetWindowTextW(harness.control(MainControl::txtDestination), shown, 8);
    EXPECT_EQ(std::wstring(shown), L"D:\\\u20ac");
}

// The report window's list box holds every line of a long log as a standard list box does,
// fills the window's inner area, and shows a new line at the bottom, selected, within its
// echo's 100 ms.
TEST(ReportWindow, AHundredThousandLinesAreItemsOfAStandardListBox) {
    Win32Harness harness;
    SessionLog& log = harness.window().logic().sessionLog();
    for (int i = 0; i < 100000; ++i) {
        log.AddLogEntry("line " + std::to_string(i));
    }
    harness.choose(MenuCommand::mnuMenuReport);
    const auto& report = dynamic_cast<win32::ReportWindow&>(
        harness.window().logic().secondaryWindows().report()->view());
    const HWND list = report.lstErr();
    ASSERT_EQ(::SendMessageW(list, LB_GETCOUNT, 0, 0), static_cast<LRESULT>(log.count()));
    EXPECT_EQ(ListText(list, 2), "line 0");
    EXPECT_EQ(ListText(list, log.count() - 1), "line 99999");
    EXPECT_TRUE(FillsItsWindow(list));

    log.AddLogEntry("the newest");
    const auto last = static_cast<LRESULT>(log.count() - 1);
    EXPECT_TRUE(PumpUntil([&] { return ::SendMessageW(list, LB_GETCURSEL, 0, 0) == last; }));
    EXPECT_EQ(ListText(list, log.count() - 1), "the newest");
}

// The info window's labels show what its activation writes and the captions of its layout;
// the link under the pointer turns bold and pure red, the frame puts them back; the links and
// the logo open their pages when clicked, and Back closes the window.
TEST(InfoWindow, ShowsItsTextsAndAnswersThePointerAndClicks) {
    Win32Harness harness;
    harness.choose(MenuCommand::mnuHelpAbout);
    windowlogic::frminfo* logic = harness.window().logic().secondaryWindows().info();
    ASSERT_NE(logic, nullptr);
    auto& info = dynamic_cast<win32::InfoWindow&>(logic->view());
    ASSERT_TRUE(PumpUntil([&] { return win32::TextOf(info.hwnd()) == "Info   [2.8]"; }));
    const auto text = [&](InfoControl control) { return win32::TextOf(info.control(control)); };
    EXPECT_EQ(text(InfoControl::lbluse), "Used: 1 time(s).");
    EXPECT_EQ(std::pair(text(InfoControl::Label5), text(InfoControl::cmdback)),
              std::pair(std::string("Status:"), std::string("&Back")));
    const std::string message = text(InfoControl::Label1);
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 2) << "three lines";

    const auto pointAt = [&](InfoControl control) {
        ::SendMessageW(info.hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(info.control(control)),
                       MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    };
    const auto weight = [&](InfoControl link) {
        LOGFONTW font{};
        ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(info.control(link), WM_GETFONT, 0, 0)),
                     sizeof(font), &font);
        return font.lfWeight;
    };
    pointAt(InfoControl::lblsite_1);
    EXPECT_EQ(std::pair(weight(InfoControl::lblsite_0), weight(InfoControl::lblsite_1)),
              std::pair(400L, 700L));
    EXPECT_EQ(std::pair(info.linkColour(0), info.linkColour(1)),
              std::pair(windowlogic::Colour{192, 0, 0}, windowlogic::Colour{255, 0, 0}));
    pointAt(InfoControl::Frame1);
    EXPECT_EQ(std::pair(weight(InfoControl::lblsite_1), info.linkColour(1)),
              std::pair(400L, windowlogic::Colour{192, 0, 0}));

    for (const InfoControl clicked :
         {InfoControl::lblsite_1, InfoControl::lblsite_0, InfoControl::Image1}) {
        ::SendMessageW(info.control(clicked), WM_LBUTTONDOWN, MK_LBUTTON, 0);
        ::SendMessageW(info.control(clicked), WM_LBUTTONUP, 0, 0);
    }
    EXPECT_EQ(harness.opened, (std::vector<std::string>{"https://grid.orvane.example.org",
                                                        "https://orvane.example.org",
                                                        "https://orvane.example.org"}));
    ::SendMessageW(info.control(InfoControl::cmdback), BM_CLICK, 0, 0);
    EXPECT_EQ(harness.window().logic().secondaryWindows().info(), nullptr);
}

// The debug window's timer shows the two totals as they are stored, 0 before the first run;
// Special Thanks is an information box of three lines.
TEST(MenuWindows, TheDebugTotalsAndTheThanksBox) {
    Win32Harness harness("-debug");
    harness.choose(MenuCommand::mnuOptDebug);
    windowlogic::frmDebug* logic = harness.window().logic().secondaryWindows().debug();
    ASSERT_NE(logic, nullptr);
    const auto& debug = dynamic_cast<win32::DebugWindow&>(logic->view());
    EXPECT_TRUE(PumpUntil([&] {
        return win32::TextOf(debug.lblCTotalFileSize) == "CTotalFileSize: 0" &&
               win32::TextOf(debug.lblCTotalFileSizeTrans) == "CTotalFileSizetrans: 0";
    }));
    std::string box;
    User user({{[] { return OpenDialog() != nullptr; },
                [&] {
                    box = win32::TextOf(OpenDialog()) + "|" +
                          win32::TextOf(::GetDlgItem(OpenDialog(), 0xFFFF));
                    ::SendMessageW(OpenDialog(), WM_COMMAND, IDOK, 0);
                }}});
    harness.choose(MenuCommand::mnuHelpThanks);
    EXPECT_EQ(std::count(box.begin(), box.end(), '\n'), 2) << box;
    EXPECT_EQ(box.rfind("Special Thanks|Thanks to ", 0), 0U) << box;
}

// The history's lines stand on lines of their own in the text box; the window is 5370 × 6585
// twips outside, 358 × 439 pixels, frame included, and the text box fills what is inside.
TEST(HistoryWindow, ShowsTheLinesInAWindowSizedByItsOuterFrame) {
    Win32Harness harness;
    harness.folder().write("bin/bin_history.txt", "1.0.37\r\n\r\nlast");
    harness.choose(MenuCommand::mnuHelpHistory);
    windowlogic::frmHistory* logic = harness.window().logic().secondaryWindows().history();
    ASSERT_NE(logic, nullptr);
    auto& history = dynamic_cast<win32::HistoryWindow&>(logic->view());
    EXPECT_EQ(win32::TextOf(history.txtHistory), "1.0.37\r\n\r\nlast");
    EXPECT_EQ(OuterSize(history.hwnd()), std::pair(358, 439));
    EXPECT_TRUE(FillsItsWindow(history.txtHistory));
}

// The name of the item the folder dialog's tree has selected, once it has one: the dialog
// fills its tree and selects its start after it shows.
std::string SelectedInTree(HWND dialog) {
    const HWND tree = ::FindWindowExW(dialog, nullptr, WC_TREEVIEWW, nullptr);
    const auto item =
        tree == nullptr ? LRESULT{0} : ::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0);
    if (item == 0) {
        return {};
    }
    wchar_t name[MAX_PATH] = {};
    TVITEMW asked{};
    asked.mask = TVIF_TEXT;
    asked.hItem = reinterpret_cast<HTREEITEM>(item);
    asked.pszText = name;
    asked.cchTextMax = MAX_PATH;
    ::SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&asked));
    return win32::Narrow(name);
}

// The Browse button opens the shell's folder dialog titled after its box, at the computer's
// drives: OK there chooses a folder without a path, which leaves the box as it was; a folder
// chosen in the dialog fills the box. The folder chosen is one the test has not just made:
// Wine's dialog matches each folder on the way down by its entry, times included, and now and
// then failed to find one in the test's fresh folder, so the dialog never got there.
TEST(FolderDialog, StartsAtTheDrivesAndItsChoiceFillsTheBox) {
    Win32Harness harness;
    const std::string chosen = "C:\\windows";
    harness.type(MainControl::txtSource, "kept");
    bool titled = false;
    User user({{[] { return OpenDialog() != nullptr; },
                [&] {
                    titled = ::FindWindowExW(OpenDialog(), nullptr, nullptr, L"Source Folder") !=
                             nullptr;
                    ::SendMessageW(OpenDialog(), WM_COMMAND, IDOK, 0);
                }},
               {[] { return OpenDialog() != nullptr && !SelectedInTree(OpenDialog()).empty(); },
                [&] {
                    const std::wstring path = win32::Wide(chosen);
                    ::SendMessageW(OpenDialog(), BFFM_SETSELECTIONW, TRUE,
                                   reinterpret_cast<LPARAM>(path.c_str()));
                }},
               {[] { return OpenDialog() != nullptr && SelectedInTree(OpenDialog()) == "windows"; },
                [] { ::SendMessageW(OpenDialog(), WM_COMMAND, IDOK, 0); }}});
    harness.click(MainControl::cmdBrowseSou);
    EXPECT_TRUE(titled);
    EXPECT_EQ(win32::TextOf(harness.control(MainControl::txtSource)), "kept");
    harness.click(MainControl::cmdBrowseSou);
    EXPECT_TRUE(user.done());
    EXPECT_EQ(win32::TextOf(harness.control(MainControl::txtSource)), chosen);
}

} // namespace
} // namespace orvane::test
