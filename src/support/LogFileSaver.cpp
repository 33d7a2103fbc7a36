#include "support/LogFileSaver.h"

#include "platform/AppendFile.h"
#include "platform/FileSystem.h"
#include "platform/PathRules.h"
#include "state/MainWindowElements.h"
#include "support/PercentText.h"
#include "support/SessionLog.h"
#include "support/ShownText.h"

#include <cstdio>
#include <ostream>

namespace orvane {

namespace {

constexpr const char* lineEnd = "\r\n";

void showSavePanel(MainWindowElements& window, const platform::LocalTime& today, int lineCount) {
    window.lblSave.setCaption("Saving log entry's to log file (" + LogFileName(today) + ")");
    window.fraSave.setVisible(true);
    window.pbSaveLog.setMax(lineCount);
    window.pbSaveLog.setValue(0);
    // A save cannot be cancelled.
    window.cmdCancelLoad.setVisible(false);
}

void ensureLogsFolder(const std::string& logsFolder) {
    // A folder that cannot be made shows up as the failure to open the file, so the
    // result is not needed here.
    if (!platform::folderExists(logsFolder)) {
        static_cast<void>(platform::makeFolder(logsFolder));
    }
}

void writeLines(SessionLog& log, platform::AppendFile& file, ProgressElement& bar,
                std::string_view decimalSeparator) {
    // Whole lines are gathered and written in blocks: a run of many files logs a line for
    // each, and a system call per line would cost more than the rest of the save.
    constexpr std::size_t blockSize = 64 * 1024;
    std::string block;
    // The bar's text changes once in many lines of a long log: it is set only then.
    std::int64_t shownUnits = -1;
    while (!log.empty()) {
        block += log.line(1);
        block += lineEnd;
        log.removeFirst();
        if (block.size() >= blockSize) {
            file.write(block);
            block.clear();
        }
        bar.setValue(bar.Value() + 1);
        const std::int64_t units = PercentUnits(static_cast<double>(bar.Value()) / bar.Max(), 1);
        if (units != shownUnits) {
            shownUnits = units;
            bar.composeText(
                [&](std::string& text) { AppendPercentUnits(text, units, 1, decimalSeparator); });
        }
    }
    file.write(block);
}

} // namespace

std::string DayLogPath(const std::string& logsFolder, const platform::LocalTime& day) {
    return platform::nativePathRules.join(logsFolder, LogFileName(day));
}

std::string LogFileName(const platform::LocalTime& day) {
    char text[48];
    std::snprintf(text, sizeof text, "log_%02d_%02d_%04d.txt", day.day, day.month, day.year);
    return text;
}

bool SaveLogToFile(SessionLog& log, MainWindowElements& window, const std::string& logsFolder,
                   const std::function<platform::LocalTime()>& clock,
                   std::string_view decimalSeparator, std::ostream& errors) {
    showSavePanel(window, clock(), static_cast<int>(log.count()));

    ensureLogsFolder(logsFolder);
    if (log.empty()) {
        log.removeJournal();
        return true;
    }

    const std::string path = DayLogPath(logsFolder, clock());
    platform::AppendFile file(path);
    writeLines(log, file, window.pbSaveLog, decimalSeparator);
    // One more line whose text is itself a line end: with the last line's own ending, the
    // session's block ends with two empty lines.
    file.write(std::string(lineEnd) + lineEnd);
    if (!file.close()) {
        errors << ShownText("orvane: cannot write the log file " + path + ": " +
                            file.failureReason())
               << '\n';
        return false;
    }
    log.removeJournal();
    return true;
}

} // namespace orvane
