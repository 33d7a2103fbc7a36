#include "app/SessionStart.h"

#include "platform/FileSystem.h"
#include "platform/OwnFile.h"
#include "settings/UsageCounter.h"
#include "support/LogFileSaver.h"
#include "support/SessionJournal.h"
#include "support/ShownText.h"

#include <exception>
#include <ostream>
#include <string>

namespace orvane {

std::int32_t StartSession(SessionLog& log, const IniStore& settings, const std::string& logsFolder,
                          const platform::LocalTime& now, std::ostream& errors) {
    RecoverJournals(logsFolder, errors);
    // The store neither reads nor writes such a file; the counter then starts from 1.
    const std::string iniPath = settings.iniPath("", "");
    if (const auto why = platform::notOwnFile(iniPath)) {
        errors << ShownText("orvane: skipped " + iniPath + ": " + *why) << '\n';
    }
    const std::int32_t usageCount = countThisStart(settings);
    if (!platform::folderExists(logsFolder)) {
        static_cast<void>(platform::makeFolder(logsFolder));
    }
    log.attachJournal(SessionJournal::open(logsFolder, errors));
    log.ReportLive = false;
    log.AddLogEntry("New session started on " + platform::shortDate(now) + " @ " +
                    platform::shortTime(now));
    log.AddLogEntry(std::string(46, '-'));
    return usageCount;
}

int GuardSession(SessionLog& log, const std::function<int()>& body,
                 const std::function<void()>& saveLog) {
    std::string what;
    try {
        return body();
    } catch (const std::exception& error) {
        what = error.what();
    } catch (...) {
        what = "an exception of unknown type";
    }
    log.AddLogEntry("Unexpected error, the session ends: " + what);
    saveLog();
    return kUnexpectedErrorStatus;
}

} // namespace orvane
