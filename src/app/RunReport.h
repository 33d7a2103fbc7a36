#pragma once

#include "app/RunController.h"
#include "state/RunOutcome.h"

#include <string>

namespace orvane {

// The exit status of a command-line run: 0 when every file was copied or skipped (and, in
// move mode, its source deleted), 1 when a file was refused, failed or cancelled, a source
// was kept, a folder could not be made or read, or the run was stopped; 2 when a path error
// ended it.
int ExitStatus(RunEnding ending, bool stopped, const RunOutcome& outcome);

// One line that sums up what became of the files and folders of a run.
std::string OutcomeSummary(const RunOutcome& outcome);

} // namespace orvane
