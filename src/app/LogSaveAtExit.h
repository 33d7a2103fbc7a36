#pragma once

#include "platform/LocaleFacts.h"

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

namespace orvane {

class SessionLog;
struct MainWindowElements;

// The window program's save of the session log as it closes (the command-line program has
// printed every line already and saves with SaveLogToFile alone).
//
// When the day's file cannot be written at all (the logs folder cannot be made, no write
// access, the disk is full), there is no second folder to fall back to: the message naming
// the file and the reason goes to `errors`, followed by the session's lines, so the session
// ends up wherever the program's standard error goes (the terminal, or the desktop's
// journal when started from the menu). The message is also returned, without its line end,
// for the window to show in a message box before it ends; it is empty when the save went
// well.
std::string SaveLogAtExit(SessionLog& log, MainWindowElements& window,
                          const std::string& logsFolder,
                          const std::function<platform::LocalTime()>& clock,
                          std::string_view decimalSeparator, std::ostream& errors);

} // namespace orvane
