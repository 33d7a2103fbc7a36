#pragma once

#include "platform/LocaleFacts.h"
#include "settings/IniStore.h"
#include "support/SessionLog.h"

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>

namespace orvane {

// What every session does first, window or command line: the journals of earlier sessions
// that ended without closing go to their days' log files, this start is counted in the INI
// file, this session's journal is started in the logs folder (made when missing), and the
// session header is written into the log. Returns the number of this start. What is skipped
// on the way (an entry named like a journal or the INI file that is not a plain file of this
// user's) and a journal that cannot grow are told on `errors`.
std::int32_t StartSession(SessionLog& log, const IniStore& settings, const std::string& logsFolder,
                          const platform::LocalTime& now, std::ostream& errors);

// The exit status of a session that an unexpected exception ended.
inline constexpr int kUnexpectedErrorStatus = 70;

// The last guard of a front end: runs the body and returns its result. An exception that
// escapes it is logged as "Unexpected error, the session ends: " and its text, the log is
// saved through `saveLog`, and kUnexpectedErrorStatus comes back. What ends the process
// without an exception (a crash, an abort) leaves the journal for the next start.
int GuardSession(SessionLog& log, const std::function<int()>& body,
                 const std::function<void()>& saveLog);

} // namespace orvane
