#include <windows.h>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // As the window program will be: each window in the device pixels of its own screen.
    ::SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
