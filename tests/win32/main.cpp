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
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
