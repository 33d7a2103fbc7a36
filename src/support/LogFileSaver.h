#pragma once

#include "platform/LocaleFacts.h"

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

namespace orvane {

class SessionLog;
struct MainWindowElements;

// The day's log file name for a moment: "log_dd_mm_yyyy.txt".
std::string LogFileName(const platform::LocalTime& day);
// The path of a day's log file in the logs folder.
std::string DayLogPath(const std::string& logsFolder, const platform::LocalTime& day);

// Appends the whole session log to the day's file in the logs folder (the "logs" folder beside
// the program, unless it is installed), showing progress on the main window's save panel,
// and empties the log. Makes the logs folder, not the folders above it. Called once, as the
// program closes. Once the lines are safely in the day's file the session's journal is
// removed; when they are not, the journal stays for the next start to recover. Returns
// whether the lines reached the file.
//
// The clock is read twice, for the panel caption and for the file name, so a session that
// closes across midnight lands in the file of the later day. A failure to open or write the
// file is reported as one line on `errors`; the program closes anyway and the lines are
// lost. An empty log writes nothing, not even the closing empty lines, so the day's file
// never gains a block without a session in it.
bool SaveLogToFile(SessionLog& log, MainWindowElements& window, const std::string& logsFolder,
                   const std::function<platform::LocalTime()>& clock,
                   std::string_view decimalSeparator, std::ostream& errors);

} // namespace orvane
