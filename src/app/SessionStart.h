#pragma once

#include "platform/LocaleFacts.h"
#include "settings/IniStore.h"
#include "support/SessionLog.h"

#include <cstdint>

namespace orvane {

// What every session does first, window or command line: count this start in the INI file
// and write the session header into the log. Returns the number of this start.
std::int32_t StartSession(SessionLog& log, const IniStore& settings,
                          const platform::LocalTime& now);

} // namespace orvane
