#include "GdiBarFixture.h"
#include "common/DenseScreen.h"

#include "progressbar/gdi/pcDibSection.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <string>
#include <tuple>

using namespace orvane;
using namespace orvane::testing;
using orvane::test::IsDenseScreenChild;
using orvane::test::RunOnADenseScreen;

namespace {

// Every paint (an assignment, WM_PAINT, WM_PRINTCLIENT) first raises BeforeDraw with its memory
// DC, the client's corner and size and true; WM_PRINTCLIENT copies the control into its DC.
TEST(GdiWindow, EveryPaintRaisesBeforeDrawAndPrintClientCopiesTheControl) {
    auto bar = MakeBar(200, 20);
    using Call = std::tuple<HDC, std::int32_t, std::int32_t, std::int32_t, std::int32_t, bool>;
    std::vector<Call> calls;
    bar->BeforeDraw = [&](HDC hdc, std::int32_t l, std::int32_t t, std::int32_t w, std::int32_t h,
                          bool bDoDefault) { calls.emplace_back(hdc, l, t, w, h, bDoDefault); };
    bar->setValue(50);
    ::InvalidateRect(bar->hWnd(), nullptr, FALSE);
    ::UpdateWindow(bar->hWnd());
    pcDibSection target;
    ASSERT_TRUE(target.Create(200, 20));
    ::SendMessageW(bar->hWnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(target.hdc()), PRF_CLIENT);
    ASSERT_EQ(calls.size(), 3U);
    const HDC memory = std::get<0>(calls[0]);
    EXPECT_EQ(::GetObjectType(memory), static_cast<DWORD>(OBJ_MEMDC));
    EXPECT_EQ(calls, std::vector<Call>(3, Call{memory, 0, 0, 200, 20, true}));
    const DibPixels printed{static_cast<std::uint8_t*>(target.DIBSectionBitsPtr()), 200, 20};
    EXPECT_EQ(std::pair(PixelOf(printed, 99, 10), PixelOf(printed, 100, 10)),
              std::pair(kNavy, ColorRef{::GetSysColor(COLOR_BTNFACE)}));
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 200; ++x) {
            ASSERT_EQ(PixelOf(printed, x, y), MemPixel(*bar, x, y)) << x << "," << y;
        }
    }
}

// An assignment puts the control on the window's own DC before it returns, with no message
// handled in between.
TEST(GdiWindow, AnAssignmentIsOnTheWindowBeforeItReturns) {
    auto bar = MakeBar(200, 20);
    bar->setMax(1000);
    for (const auto& [value, edge] : {std::pair{500, 100}, {200, 41}}) {
        bar->setValue(value);
        EXPECT_EQ(::GetPixel(bar->hdc(), edge - 1, 10), kNavy) << value;
        EXPECT_EQ(::GetPixel(bar->hdc(), edge, 10), ::GetSysColor(COLOR_BTNFACE)) << value;
    }
}

// Run by the next test in a process of its own, with LogPixels 144: the surface is the client's
// device pixels, the border one pixel, and the caption's 10.5 points 21 pixels (its capitals
// about 15 high, 10 at 96 dpi).
TEST(GdiDenseScreen, SurfaceInDevicePixelsCaptionScaled) {
    if (!IsDenseScreenChild()) {
        GTEST_SKIP() << "started by GdiWindow.ADenseScreenScalesTheCaptionNotTheLines";
    }
    auto bar = MakeBar(300, 30);
    ASSERT_EQ(::GetDpiForWindow(bar->hWnd()), 144U);
    RedGreenCaption(*bar);
    bar->setValue(10);
    EXPECT_EQ(std::pair(bar->MemDC().Width(), bar->MemDC().Height()), std::pair(300, 30));
    EXPECT_EQ(MemPixel(*bar, 0, 15), ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(MemPixel(*bar, 1, 15), kNavy);
    const RECT ink = InkBox(*bar, kRed, {1, 1, 299, 29});
    EXPECT_GE(ink.bottom - ink.top, 13) << "the caption's capitals";
}

// LogPixels is read when a process starts: set to 144 for the test above in a child process.
TEST(GdiWindow, ADenseScreenScalesTheCaptionNotTheLines) {
    EXPECT_EQ(RunOnADenseScreen(L"GdiDenseScreen.*"), 0);
}

} // namespace
