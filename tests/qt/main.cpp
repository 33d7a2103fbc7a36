// The window tests run on Qt's offscreen platform: no display is needed, and no window
// appears on the desktop of whoever runs them.

#include "qt/OrvaneApplication.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    orvane::qt::OrvaneApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
