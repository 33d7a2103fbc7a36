#pragma once

namespace orvane::platform {

// Ctrl+C and SIGTERM as a request to stop: the first one only sets a flag that the program
// reads at its next yield, so the run ends through its normal closing lines and the log is
// saved. A second one ends the program at once, for a run stuck in a system call; even then
// no destination holds a partial file under its real name.
void installStopSignals();
bool stopSignalled();

bool standardErrorIsTerminal();

} // namespace orvane::platform
