#pragma once

// The one place a test learns which system it runs on (the code under test never does): a case
// that needs what only Linux gives is skipped on Windows and says what it needs.

#include <gtest/gtest.h>

namespace orvane::test {

#ifdef _WIN32
inline constexpr bool kOnWindows = true;
#else
inline constexpr bool kOnWindows = false;
#endif

} // namespace orvane::test

// Ends the test as skipped on Windows, naming what it needs there.
#define SKIP_ON_WINDOWS(needs)                                                                     \
    if (::orvane::test::kOnWindows)                                                                \
    GTEST_SKIP() << "not on Windows: needs " << needs
