#include "Win32Harness.h"
#include "common/DenseScreen.h"
#include "support/AppIdentity.h"
#include "support/VersionText.h"

#include <gtest/gtest.h>

namespace orvane::test {
namespace {

// The window's outer size, frame and menu bar included, in pixels at 96 dots per inch:
// 6450 twips are 430, 13050 are 870 and 10000 are 666.67, so 667; 3795 are 253. The copy
// list is seen only in a widened window, and the copy-status panel, the tallest part, fits
// in what is left inside.
TEST(StartUp, TheWindowTakesItsOuterSizeCaptionAndDebugEntry) {
    for (const bool debug : {false, true}) {
        SCOPED_TRACE(debug);
        Win32Harness harness(debug ? "-DEBUG" : "");
        ASSERT_EQ(::GetDpiForWindow(harness.hwnd()), 96U);
        EXPECT_EQ(win32::TextOf(harness.hwnd()), TitleText() + (debug ? " DEBUG" : ""));
        EXPECT_EQ(harness.menuState(MenuCommand::mnuOptDebug) != static_cast<UINT>(-1), debug);
        EXPECT_EQ(OuterSize(harness.hwnd()), std::pair(debug ? 870 : 430, 253));
        EXPECT_EQ(win32::IsShown(harness.control(MainControl::lstCopy)), debug);

        harness.click(MainControl::cmdOptions);
        EXPECT_EQ(OuterSize(harness.hwnd()), std::pair(debug ? 430 : 667, 253));
        EXPECT_EQ(win32::TextOf(harness.control(MainControl::cmdOptions)),
                  debug ? "&Options >>" : "&Options <<");
        EXPECT_EQ(win32::IsShown(harness.control(MainControl::lstCopy)), !debug);

        RECT inner{}, panel{};
        ::GetClientRect(harness.hwnd(), &inner);
        ::GetWindowRect(harness.control(MainControl::fraCopy), &panel);
        ::MapWindowPoints(nullptr, harness.hwnd(), reinterpret_cast<POINT*>(&panel), 2);
        EXPECT_EQ(panel.top, 4) << "moved to the source frame's top, 60 twips";
        EXPECT_LE(panel.bottom, inner.bottom);
    }
}

// Both programs carry the version the window shows; the window program also its icon and its
// manifest.
TEST(StartUp, TheProgramCarriesItsVersionIconAndManifest) {
    const std::wstring program = win32::Wide(ORVANE_WINDOW_PROGRAM_PATH);
    for (const std::wstring& file : {program, win32::Wide(ORVANE_CLI_PATH)}) {
        SCOPED_TRACE(win32::Narrow(file));
        std::string block(::GetFileVersionInfoSizeW(file.c_str(), nullptr), '\0');
        ASSERT_FALSE(block.empty());
        ASSERT_TRUE(
            ::GetFileVersionInfoW(file.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT size = 0;
        ASSERT_TRUE(::VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &size));
        EXPECT_EQ(std::tuple(HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
                             HIWORD(fixed->dwFileVersionLS)),
                  std::tuple(app_identity::major, app_identity::minor, app_identity::revision));
    }
    EXPECT_EQ(::ExtractIconExW(program.c_str(), -1, nullptr, nullptr, 0), 1U);
    const HMODULE image = ::LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(image, nullptr);
    const HRSRC manifest = ::FindResourceW(image, MAKEINTRESOURCEW(1), RT_MANIFEST);
    const std::string_view text(
        static_cast<const char*>(::LockResource(::LoadResource(image, manifest))),
        ::SizeofResource(image, manifest));
    for (const char* asked : {"Microsoft.Windows.Common-Controls", "PerMonitorV2", "UTF-8"}) {
        EXPECT_NE(text.find(asked), std::string_view::npos) << asked;
    }
    ::FreeLibrary(image);
}

// Closing the window and the end of the desktop session each unload it once: the log is
// saved (the session's end answers yes and asks nothing), and the program ends.
TEST(Unload, TheCloseBoxAndTheSessionsEndSaveTheLogOnce) {
    for (const UINT message : {WM_CLOSE, WM_QUERYENDSESSION, WM_ENDSESSION}) {
        SCOPED_TRACE(message);
        Win32Harness harness;
        const LRESULT answer = ::SendMessageW(harness.hwnd(), message, TRUE, 0);
        EXPECT_EQ(answer, message == WM_QUERYENDSESSION ? TRUE : 0);
        EXPECT_TRUE(harness.window().logic().unloaded());
        EXPECT_EQ(harness.endings, 1);
        const std::string saved = harness.logFile();
        EXPECT_EQ(saved.rfind("New session started on ", 0), 0U);
        ::SendMessageW(harness.hwnd(), WM_CLOSE, 0, 0);
        EXPECT_EQ(harness.logFile(), saved);
        EXPECT_EQ(harness.endings, 1);
    }
}

// Run by the next test in a process of its own, with LogPixels 144: the window and its
// controls are laid out in device pixels, half as many again as at 96 dots per inch.
TEST(DenseScreen, TheWindowAndItsControlsScaleWithTheScreen) {
    if (!IsDenseScreenChild()) {
        GTEST_SKIP() << "started by StartUp.ADenseScreenScalesTheWindow";
    }
    Win32Harness harness;
    ASSERT_EQ(::GetDpiForWindow(harness.hwnd()), 144U);
    EXPECT_EQ(OuterSize(harness.hwnd()), std::pair(645, 380));
    RECT start{};
    ::GetWindowRect(harness.control(MainControl::cmdStart), &start);
    ::MapWindowPoints(nullptr, harness.hwnd(), reinterpret_cast<POINT*>(&start), 2);
    // 120, 2040, 1575 and 420 twips.
    EXPECT_EQ(std::tuple(start.left, start.top, start.right - start.left, start.bottom - start.top),
              std::tuple(12, 204, 158, 42));
}

TEST(StartUp, ADenseScreenScalesTheWindow) {
    EXPECT_EQ(RunOnADenseScreen(L"DenseScreen.*"), 0);
}

} // namespace
} // namespace orvane::test
