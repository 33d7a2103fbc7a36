#include "app/RunReport.h"

#include <gtest/gtest.h>

namespace orvane {

TEST(RunReportExitStatus, PathErrorsOutrankLossesAndLossesOrAStopOutrankSuccess) {
    using enum RunEnding;
    RunOutcome clean{.filesCopied = 3, .filesSkipped = 2, .filesRecopied = 1};
    clean.sourcesDeleted = clean.foldersCreated = 2; // nothing lost
    EXPECT_EQ(ExitStatus(Completed, false, clean), 0);
    EXPECT_EQ(ExitStatus(Completed, true, clean), 1);
    EXPECT_EQ(ExitStatus(NotRun, false, clean), 1);
    for (auto lost : {&RunOutcome::filesFailed, &RunOutcome::filesRefusedForSpace,
                      &RunOutcome::filesCancelled, &RunOutcome::foldersFailed}) {
        RunOutcome outcome = clean;
        outcome.*lost = 1;
        EXPECT_EQ(ExitStatus(Completed, false, outcome), 1);
        EXPECT_EQ(ExitStatus(DestinationPathError, true, outcome), 2);
    }
}

} // namespace orvane
