#pragma once

namespace orvane::platform {

// Ctrl+C, SIGTERM and SIGHUP (a closed terminal) as a request to stop: the first one only
// sets a flag that the program reads at its next yield, so the run ends through its normal
// closing lines and the log is saved. A second one ends the program at once, for a run stuck
// in a system call: the session's journal goes to the day's log file first (saveJournalNow),
// and no destination holds a partial file under its real name. SIGPIPE is ignored, so a
// reader that goes away shows as a failed write instead of ending the program unsaved.
// SIGXFSZ is ignored too (see ignoreFileSizeLimitSignal).
void installStopSignals();
// A write past the file size limit (`ulimit -f`) would end the program by SIGXFSZ, unsaved
// and in the middle of its run; ignored, the write fails with EFBIG instead, which fails
// that one file, and the run goes on with the next.
void ignoreFileSizeLimitSignal();
bool stopSignalled();
// Holds further stop signals back, for the save at the end that must not be cut short.
void deferStopSignals();

bool standardErrorIsTerminal();

} // namespace orvane::platform
