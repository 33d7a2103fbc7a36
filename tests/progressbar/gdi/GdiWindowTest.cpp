#include "GdiBarFixture.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <string>
#include <tuple>

using namespace orvane;
using namespace orvane::testing;

namespace {

// A memory DC of its own with a 32-bit DIB section, for what the control prints into it.
class PrintTarget {
public:
    PrintTarget(int width, int height) : info_(Dib32(width, -height)) {
        surface_ = SelectedBitmap(MemoryDC(::CreateCompatibleDC(nullptr)),
                                  GdiObject<HBITMAP>(::CreateDIBSection(
                                      nullptr, &info_, DIB_RGB_COLORS, &bits_, nullptr, 0)));
    }
    HDC Dc() const { return surface_.Dc(); }
    ColorRef At(int x, int y) const {
        const auto* pixel = static_cast<const std::uint8_t*>(bits_) +
                            (static_cast<std::ptrdiff_t>(y) * info_.bmiHeader.biWidth + x) * 4;
        return RgbColor(pixel[2], pixel[1], pixel[0]);
    }

private:
    BITMAPINFO info_;
    void* bits_ = nullptr;
    SelectedBitmap surface_;
};

// WM_PRINTCLIENT composes the control anew and copies it into the DC it is given: the same
// pixels as the memory surface, the bar's edge at column 100 of the 200 x 20 bar.
TEST(GdiWindow, PrintClientCopiesTheWholeControlIntoTheGivenDc) {
    auto bar = MakeBar(200, 20);
    bar->setValue(50);
    PrintTarget target(200, 20);
    ::SendMessageW(bar->hWnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(target.Dc()), PRF_CLIENT);
    EXPECT_EQ(target.At(99, 10), kNavy);
    EXPECT_EQ(target.At(100, 10), ::GetSysColor(COLOR_BTNFACE));
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 200; ++x) {
            ASSERT_EQ(target.At(x, y), MemPixel(*bar, x, y)) << x << "," << y;
        }
    }
}

// BeforeDraw comes first in every paint (an assignment, WM_PAINT, WM_PRINTCLIENT) with the
// memory DC the paint draws on, the client rectangle's top-left corner and size, and true.
TEST(GdiWindow, BeforeDrawGetsTheMemoryDcAndTheClientRectangle) {
    auto bar = MakeBar(120, 16);
    using Call = std::tuple<HDC, std::int32_t, std::int32_t, std::int32_t, std::int32_t, bool>;
    std::vector<Call> calls;
    std::vector<ColorRef> barPixelBefore;
    bar->BeforeDraw = [&](HDC hdc, std::int32_t l, std::int32_t t, std::int32_t w, std::int32_t h,
                          bool bDoDefault) {
        calls.emplace_back(hdc, l, t, w, h, bDoDefault);
        barPixelBefore.push_back(::GetPixel(hdc, 5, 8));
    };
    bar->setValue(100);
    ::InvalidateRect(bar->hWnd(), nullptr, FALSE);
    ::UpdateWindow(bar->hWnd());
    PrintTarget target(120, 16);
    ::SendMessageW(bar->hWnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(target.Dc()), PRF_CLIENT);
    const HDC memory = const_cast<pcMemDC&>(bar->MemDC()).hdc(120, 16);
    EXPECT_EQ(calls, std::vector<Call>(3, Call{memory, 0, 0, 120, 16, true}));
    // The first paint raised it before drawing anything on the new surface.
    EXPECT_NE(barPixelBefore.front(), kNavy);
}

// An assignment puts the control on the window's own DC before it returns, with no message
// handled in between.
TEST(GdiWindow, AnAssignmentIsOnTheWindowBeforeItReturns) {
    auto bar = MakeBar(200, 20);
    bar->setMax(1000);
    for (const auto& [value, edge] : {std::pair{500, 100}, {200, 41}, {1000, 199}}) {
        bar->setValue(value);
        EXPECT_EQ(::GetPixel(bar->hdc(), edge - 1, 10), kNavy) << value;
        if (edge < 199) {
            EXPECT_EQ(::GetPixel(bar->hdc(), edge, 10), ::GetSysColor(COLOR_BTNFACE)) << value;
        }
    }
}

constexpr const wchar_t* kRowsAt96 = L"ORVANE_CAPTION_ROWS_AT_96";

int CaptionRows(pcProgressBar& bar) {
    RedGreenCaption(bar);
    return RowsOf(bar, kRed, {1, 1, bar.MemDC().Width() - 1, bar.MemDC().Height() - 1});
}

// Run by the next test in a process of its own, started while the prefix's LogPixels is 144:
// the window's density is 144 dpi, the surface is the client's device pixels and the border's
// lines stay one pixel, while the caption's font is half as tall again as at 96 dpi.
TEST(GdiDenseScreen, SurfaceInDevicePixelsCaptionScaled) {
    wchar_t rowsAt96[16] = {};
    if (::GetEnvironmentVariableW(kRowsAt96, rowsAt96, 16) == 0) {
        GTEST_SKIP() << "started by GdiWindow.ADenseScreenScalesTheCaptionNotTheLines";
    }
    auto bar = MakeBar(300, 30);
    ASSERT_EQ(::GetDpiForWindow(bar->hWnd()), 144U);
    bar->setValue(50);
    EXPECT_EQ(std::pair(bar->MemDC().Width(), bar->MemDC().Height()), std::pair(300, 30));
    EXPECT_EQ(MemPixel(*bar, 0, 15), ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(MemPixel(*bar, 1, 15), kNavy);
    EXPECT_EQ(MemPixel(*bar, 298, 15), ::GetSysColor(COLOR_BTNFACE));
    const int rows = CaptionRows(*bar);
    EXPECT_GE(rows * 4, std::wcstol(rowsAt96, nullptr, 10) * 5) << rows << " rows";
}

// The prefix's LogPixels is read when a process starts: the test sets it to 144, runs the test
// above in a child process, and puts it back.
TEST(GdiWindow, ADenseScreenScalesTheCaptionNotTheLines) {
    auto bar = MakeBar(300, 30);
    ASSERT_EQ(::GetDpiForWindow(bar->hWnd()), 96U);
    const int rowsAt96 = CaptionRows(*bar);
    ASSERT_GT(rowsAt96, 4);
    ::SetEnvironmentVariableW(kRowsAt96, std::to_wstring(rowsAt96).c_str());
    const DWORD dpi = 144;
    ASSERT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels",
                                REG_DWORD, &dpi, sizeof(dpi)),
              ERROR_SUCCESS);
    std::array<wchar_t, MAX_PATH> program{};
    ::GetModuleFileNameW(nullptr, program.data(), MAX_PATH);
    std::wstring command =
        L"\"" + std::wstring(program.data()) + L"\" --gtest_filter=GdiDenseScreen.*";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION child{};
    const BOOL started = ::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0,
                                          nullptr, nullptr, &startup, &child);
    DWORD exitCode = 1;
    if (started) {
        ::WaitForSingleObject(child.hProcess, INFINITE);
        ::GetExitCodeProcess(child.hProcess, &exitCode);
        ::CloseHandle(child.hThread);
        ::CloseHandle(child.hProcess);
    }
    ::RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels");
    ::SetEnvironmentVariableW(kRowsAt96, nullptr);
    ASSERT_TRUE(started);
    EXPECT_EQ(exitCode, 0U);
}

} // namespace
