#include "app/RunReport.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(RunReportExitStatus, PathErrorsOutrankLossesAndLossesOrAStopOutrankSuccess) {
    const RunOutcome clean{.filesCopied = 3,
                           .filesSkipped = 2,
                           .filesRecopied = 1,
                           .sourcesDeleted = 3,
                           .foldersCreated = 2};
    const auto with = [&](int RunOutcome::*field) {
        RunOutcome outcome = clean;
        ++(outcome.*field);
        return outcome;
    };
    struct Case {
        RunEnding ending;
        bool stopped;
        RunOutcome outcome;
        int status;
    };
    const Case cases[] = {
        {RunEnding::Completed, false, RunOutcome{}, 0},
        {RunEnding::Completed, false, clean, 0},
        {RunEnding::Completed, true, clean, 1},
        {RunEnding::Completed, false, with(&RunOutcome::filesFailed), 1},
        {RunEnding::Completed, false, with(&RunOutcome::filesRefusedForSpace), 1},
        {RunEnding::Completed, false, with(&RunOutcome::filesCancelled), 1},
        {RunEnding::Completed, false, with(&RunOutcome::foldersFailed), 1},
        {RunEnding::NotRun, false, RunOutcome{}, 1},
        {RunEnding::SourcePathError, false, RunOutcome{}, 2},
        {RunEnding::DestinationPathError, true, with(&RunOutcome::foldersFailed), 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        EXPECT_EQ(ExitStatus(c.ending, c.stopped, c.outcome), c.status);
    }
}

} // namespace
} // namespace orvane
