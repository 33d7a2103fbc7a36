#include "support/VersionText.h"
#include "windowlogic/ScriptedWindow.h"

#include <gtest/gtest.h>

#include <optional>

namespace orvane::test {
namespace {

using windowlogic::Colour;
using windowlogic::MenuCommand;
using windowlogic::Pointer;

// The debug window shows the run's totals as they are held, four decimals of the raw scale
// with the locale's separator, from its first tick on.
TEST(DebugWindow, ShowsBothTotalsAsTheyAreHeldAtEachTick) {
    LogicHarness harness("-DEBUG");
    harness.main().runState().CTotalFileSize = Amount::fromRaw(-12345);
    harness.main().runState().CTotalFileSizetrans = Amount::fromRaw(12345000);
    harness.main().menuCommand(MenuCommand::mnuOptDebug);
    windowlogic::frmDebug* debug = harness.main().secondaryWindows().debug();
    ASSERT_NE(debug, nullptr);
    debug->Timer1_Timer();
    EXPECT_EQ(debug->lblCTotalFileSize.caption(), "CTotalFileSize: -1.2345");
    EXPECT_EQ(debug->lblCTotalFileSizeTrans.caption(), "CTotalFileSizetrans: 1234.5");
    harness.window.debug->closeWindow();
    EXPECT_FALSE(debug->Timer1.enabled() || harness.main().secondaryWindows().debug())
        << "closing stops the refresh and unloads the window";
}

// About shows this start's use count, the version, the copyright from 2004 to this year
// (2004 on a clock set earlier), and opens its links and the logo's site. Another language
// code keeps the design captions.
TEST(InfoWindow, ShowsTheStartsFactsAndOpensItsLinks) {
    ScriptedWindow window;
    for (const auto& copyright :
         {std::pair{1999, "Copyright \u00a9 2004-2004 the Orvane developers"},
          std::pair{2026, "Copyright \u00a9 2004-2026 the Orvane developers"}}) {
        windowlogic::frminfo info({"Orvane", "", 1, [year = copyright.first] { return year; }},
                                  window, window);
        EXPECT_EQ(info.lblcopyright.caption(), copyright.second);
    }
    windowlogic::frminfo info({"Orvane", "", 1, [] { return 2026; }}, window, window);
    info.Form_Activate();
    EXPECT_EQ(info.lbluse.caption(), "Used: 1 time(s).");
    EXPECT_EQ(info.lblversion.caption(), "Version: 1.0 Build37 BETA");
    EXPECT_EQ(info.lblware.caption(), "Freeware");
    EXPECT_EQ(window.info->caption, "Info   [2.8]");
    info.lblsite_Click(1);
    info.lblsite_Click(0);
    info.Image1_Click();
    EXPECT_EQ(window.opened, (std::vector<std::string>{"https://grid.orvane.example.org",
                                                       "https://orvane.example.org",
                                                       "https://orvane.example.org"}));
    windowlogic::frminfo about({"Orvane", "", 1, [] { return 2026; }}, window, window);
    about.lbltaal.setCaption("nl");
    about.Form_Activate();
    EXPECT_EQ(std::pair(about.lbluse.caption(), about.lblversion.caption()),
              std::pair(std::string("Total used: "), std::string("Version: ")));
}

// A name wider than the window runs from right to left in steps of 58 twips and starts again
// at the window's outer width once it has left on the left; one that fits stays where it is.
TEST(InfoWindow, TheProductNameScrollsOnlyWhenItIsWiderThanTheWindow) {
    for (const int width : {5400, 5401}) {
        SCOPED_TRACE(width);
        ScriptedWindow window;
        window.productWidth = width;
        windowlogic::frminfo info({"Orvane", "", 1, [] { return 2026; }}, window, window);
        EXPECT_EQ(info.tmrtitlescrl.enabled(), width > 5400);
    }
    ScriptedWindow window;
    window.productWidth = 200;
    windowlogic::frminfo info({"Orvane", "", 1, [] { return 2026; }}, window, window);
    for (int tick = 0; tick < 8; ++tick) {
        info.tmrtitlescrl_Timer();
    }
    // From 120 on; at -228 the 200 twips wide name has left the window: back to 5520.
    EXPECT_EQ(window.info->lefts, (std::vector<int>{62, 4, -54, -112, -170, -228, 5462, 5404}));
    EXPECT_EQ(info.productLeft(), 5404);
}

// The link under the pointer is bold and pure red, the other in the colour the links had at
// activation; over the frame both go back to it.
TEST(InfoWindow, TheLinkUnderThePointerLightsUpAndTheFrameRestoresBoth) {
    ScriptedWindow window;
    windowlogic::frminfo info({"Orvane", "", 1, [] { return 2026; }}, window, window);
    ScriptedInfoView& shown = *window.info;
    shown.looks[0].second = shown.looks[1].second = windowlogic::frminfo::kDarkRed;
    info.Form_Activate();
    info.lblsite_MouseMove(1);
    EXPECT_EQ(shown.looks[1], std::pair(true, Colour{255, 0, 0}));
    EXPECT_EQ(shown.looks[0], std::pair(false, Colour{192, 0, 0}));
    EXPECT_EQ(shown.pointer, Pointer::upArrow);
    info.Frame1_MouseMove();
    EXPECT_EQ(shown.looks[1], std::pair(false, Colour{192, 0, 0}));
    EXPECT_EQ(shown.looks[0], std::pair(false, Colour{192, 0, 0}));
    EXPECT_EQ(shown.pointer, Pointer::arrow);
}

// What the History command shows: each line of the file on its own line, an empty first one
// kept, no empty one added after the last, a last line read without its end, the caption
// with the title. Without a history to show (no file, or one without a line) it tells the
// user and closes. The window is 5370 × 6585 twips outside.
TEST(HistoryWindow, ShowsEachLineOfTheFileOnItsOwnLineOrTellsThereIsNone) {
    const std::pair<std::optional<std::string>, std::optional<std::string>> cases[] = {
        {"1.0.37\r\n- first line\r\nlast\r\n", "1.0.37\r\n- first line\r\nlast"},
        {"\r\nsecond\r\n\r\nfourth", "\r\nsecond\r\n\r\nfourth"},
        {std::nullopt, std::nullopt},
        {"", std::nullopt}};
    for (const auto& [file, text] : cases) {
        SCOPED_TRACE(file.value_or("(none)"));
        LogicHarness harness;
        if (file) {
            harness.folder().write("bin/bin_history.txt", *file);
        }
        harness.main().menuCommand(MenuCommand::mnuHelpHistory);
        windowlogic::SecondaryWindows& windows = harness.main().secondaryWindows();
        const ScriptedHistoryView& shown = *harness.window.history;
        EXPECT_TRUE(shown.outer.width == 5370 && shown.outer.height == 6585 && shown.fitted);
        if (text) {
            ASSERT_NE(windows.history(), nullptr);
            EXPECT_EQ(windows.history()->txtHistory.caption(), *text);
            // The command again, while the window is open, reads the file again.
            harness.folder().write("bin/bin_history.txt", "again");
            harness.main().menuCommand(MenuCommand::mnuHelpHistory);
            EXPECT_EQ(windows.history()->txtHistory.caption(), "again");
            EXPECT_EQ(shown.caption, TitleText() + " -- History");
            EXPECT_TRUE(shown.shown && shown.box.empty());
        } else {
            EXPECT_EQ(shown.box, "Orvane|No history file found");
            EXPECT_EQ(windows.history(), nullptr);
            EXPECT_TRUE(shown.caption.empty());
        }
    }
}

} // namespace
} // namespace orvane::test
