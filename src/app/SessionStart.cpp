#include "app/SessionStart.h"

#include "settings/UsageCounter.h"

#include <string>

namespace orvane {

std::int32_t StartSession(SessionLog& log, const IniStore& settings,
                          const platform::LocalTime& now) {
    const std::int32_t usageCount = countThisStart(settings);
    log.ReportLive = false;
    log.AddLogEntry("New session started on " + platform::shortDate(now) + " @ " +
                    platform::shortTime(now));
    log.AddLogEntry(std::string(46, '-'));
    return usageCount;
}

} // namespace orvane
