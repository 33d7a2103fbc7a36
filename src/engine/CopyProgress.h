#pragma once

#include "engine/RunContext.h"
#include "platform/FileCopy.h"

namespace orvane {

// The progress routine of the platform copy: drives the file bar, moves each chunk's bytes
// from the to-do total to the done total (raw scale), and yields once per report. It never
// cancels; cancelling goes through the run-control flag alone.
void CopyProgress(const RunContext& run, const platform::CopyReport& report);

} // namespace orvane
