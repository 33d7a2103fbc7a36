#include "app/SessionStart.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace orvane {

// An exception that reaches the top of a front end is logged and then the log saved, that
// line included; anything else passes the body's status through untouched.
TEST(GuardSession, UnexpectedExceptionIsLoggedAndTheLogSaved) {
    SessionLog log;
    std::vector<std::string> lastLineSaved;
    const auto save = [&] { lastLineSaved.emplace_back(log.empty() ? "" : log.line(log.count())); };
    EXPECT_EQ(GuardSession(
                  log, [] { return 3; }, save),
              3);
    EXPECT_EQ(GuardSession(
                  log, []() -> int { throw std::overflow_error("amount out of range"); }, save),
              kUnexpectedErrorStatus);
    EXPECT_EQ(GuardSession(
                  log, []() -> int { throw 42; }, save),
              kUnexpectedErrorStatus);
    EXPECT_EQ(lastLineSaved,
              (std::vector<std::string>{
                  "Unexpected error, the session ends: amount out of range",
                  "Unexpected error, the session ends: an exception of unknown type"}));
    EXPECT_EQ(log.count(), 2U);
}

} // namespace orvane
