#include "win32/Window.h"

#include <windows.h>

#include <commctrl.h>
#include <ole2.h>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // As the program's manifest and start make it: each window in the device pixels of its own
    // screen, the shell's objects for the folder dialog, the common controls.
    ::SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    ::OleInitialize(nullptr);
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&classes);
    // A failure in a handler is caught where the system called the window procedure.
    orvane::win32::SetFailureHandler(
        [](const std::string& what) { ADD_FAILURE() << "a window's handler failed: " << what; });
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
