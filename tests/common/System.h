#pragma once

// The one place a test learns which system it runs on (the code under test never does): a case
// that needs what only Linux gives is skipped on Windows and says what it needs. Also the check
// of a text every test shares, which the Windows-only tests can include alone.

#include <gtest/gtest.h>

#include <string>

namespace orvane::test {

#ifdef _WIN32
inline constexpr bool kOnWindows = true;
#else
inline constexpr bool kOnWindows = false;
#endif

// Whether text holds part; a failure shows the whole text.
inline ::testing::AssertionResult holds(const std::string& text, const std::string& part) {
    if (text.find(part) != std::string::npos) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "no \"" << part << "\" in:\n" << text;
}

} // namespace orvane::test

// Ends the test as skipped on Windows, naming what it needs there.
#define SKIP_ON_WINDOWS(needs)                                                                     \
    if (::orvane::test::kOnWindows)                                                                \
    GTEST_SKIP() << "not on Windows: needs " << needs
