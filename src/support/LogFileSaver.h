#pragma once

#include "platform/LocaleFacts.h"

#include <functional>
#include <iosfwd>
#include <string>

namespace orvane {

class SessionLog;
struct MainWindowElements;

// The day's log file name for a moment: "log_dd_mm_yyyy.txt".
std::string LogFileName(const platform::LocalTime& day);

// Appends the whole session log to the day's file in the logs folder (the "logs" folder beside
// the program, unless it is installed), showing progress on the main window's save panel,
// and empties the log. Makes the logs folder, not the folders above it. Called once, as the
// program closes.
//
// The clock is read twice, for the panel caption and for the file name, so a session that
// closes across midnight lands in the file of the later day. A failure to open or write the
// file is reported as one line on `errors`; the program closes anyway and the lines are
// lost. An empty log writes nothing, not even the closing empty lines, so the day's file
// never gains a block without a session in it.
void SaveLogToFile(SessionLog& log, MainWindowElements& window, const std::string& logsFolder,
                   const std::function<platform::LocalTime()>& clock, char decimalSeparator,
                   std::ostream& errors);

} // namespace orvane
