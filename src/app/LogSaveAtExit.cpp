#include "app/LogSaveAtExit.h"

#include "support/LogFileSaver.h"
#include "support/SessionLog.h"

#include <sstream>
#include <vector>

namespace orvane {

namespace {

// The save empties the log as it writes, so the lines are kept aside until it has succeeded.
std::vector<std::string> linesOf(const SessionLog& log) {
    std::vector<std::string> lines;
    lines.reserve(log.count());
    for (std::size_t index = 1; index <= log.count(); ++index) {
        lines.emplace_back(log.line(index));
    }
    return lines;
}

} // namespace

std::string SaveLogAtExit(SessionLog& log, MainWindowElements& window,
                          const std::string& logsFolder,
                          const std::function<platform::LocalTime()>& clock,
                          std::string_view decimalSeparator, std::ostream& errors) {
    const std::vector<std::string> lines = linesOf(log);
    std::ostringstream failure;
    SaveLogToFile(log, window, logsFolder, clock, decimalSeparator, failure);
    std::string message = failure.str();
    if (message.empty()) {
        return message;
    }
    errors << message << "orvane: the session's log follows\n";
    for (const std::string& line : lines) {
        errors << line << '\n';
    }
    errors.flush();
    if (message.ends_with('\n')) {
        message.pop_back();
    }
    return message;
}

} // namespace orvane
