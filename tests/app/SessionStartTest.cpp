#include "app/SessionStart.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace orvane {

// An exception that reaches the top of a front end is logged and the log saved; anything
// else passes the body's status through untouched.
TEST(GuardSession, UnexpectedExceptionIsLoggedAndTheLogSaved) {
    SessionLog log;
    int saves = 0;
    const auto save = [&] { ++saves; };
    EXPECT_EQ(GuardSession(
                  log, [] { return 3; }, save),
              3);
    EXPECT_EQ(saves, 0);
    EXPECT_EQ(GuardSession(
                  log, []() -> int { throw std::overflow_error("amount out of range"); }, save),
              kUnexpectedErrorStatus);
    EXPECT_EQ(GuardSession(
                  log, []() -> int { throw 42; }, save),
              kUnexpectedErrorStatus);
    EXPECT_EQ(saves, 2);
    ASSERT_EQ(log.count(), 2U);
    EXPECT_EQ(log.line(1), "Unexpected error, the session ends: amount out of range");
    EXPECT_EQ(log.line(2), "Unexpected error, the session ends: an exception of unknown type");
}

} // namespace orvane
