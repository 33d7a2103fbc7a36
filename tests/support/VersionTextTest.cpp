#include "support/AppIdentity.h"
#include "support/ValueFormat.h"

#include <gtest/gtest.h>

namespace {

// Puts the program-wide beta flag back, so that a test which clears it leaves no trace.
class BetaFlagGuard {
public:
    BetaFlagGuard() = default;
    BetaFlagGuard(const BetaFlagGuard&) = delete;
    BetaFlagGuard& operator=(const BetaFlagGuard&) = delete;
    ~BetaFlagGuard() { orvane::IsBeta = saved_; }

private:
    bool saved_ = orvane::IsBeta;
};

TEST(VersionText, ShortAndBuildFormsOfThisRelease) {
    BetaFlagGuard guard;
    orvane::IsBeta = true;
    EXPECT_EQ(orvane::VersionText(true), "1.0.37");
    EXPECT_EQ(orvane::VersionText(false), "1.0 Build37 BETA");
}

TEST(VersionText, OnlyTheBuildFormCarriesTheBetaMarker) {
    BetaFlagGuard guard;
    orvane::IsBeta = false;
    EXPECT_EQ(orvane::VersionText(false), "1.0 Build37");
    EXPECT_EQ(orvane::VersionText(true), "1.0.37");
}

TEST(VersionText, TheBetaMarkerIsSetBeforeStartUp) {
    EXPECT_TRUE(orvane::IsBeta);
}

TEST(TitleText, TitleFollowedByTheBuildFormInBrackets) {
    BetaFlagGuard guard;
    orvane::IsBeta = true;
    EXPECT_EQ(orvane::TitleText(), "Orvane [1.0 Build37 BETA]");
    orvane::IsBeta = false;
    EXPECT_EQ(orvane::TitleText(), "Orvane [1.0 Build37]");
}

} // namespace
