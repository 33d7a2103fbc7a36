#include "support/SessionJournal.h"

#include "platform/AppendFile.h"
#include "support/LogFileSaver.h"

namespace orvane {

namespace {

constexpr const char* kLineEnd = "\r\n";

std::string closingBytes() {
    return std::string(kUnclosedSessionLine) + kLineEnd + kLineEnd + kLineEnd;
}

} // namespace

std::unique_ptr<SessionJournal> SessionJournal::open(const std::string& logsFolder) {
    auto file = platform::JournalFile::create(
        logsFolder,
        [logsFolder](const platform::LocalTime& day) { return DayLogPath(logsFolder, day); },
        closingBytes());
    if (!file) {
        return nullptr;
    }
    return std::make_unique<SessionJournal>(std::move(file));
}

void SessionJournal::add(const std::string& line) {
    // One write per line: a line is on file as soon as it is logged.
    static_cast<void>(file_->append(line + kLineEnd));
}

void SessionJournal::remove() {
    file_->remove();
}

int RecoverJournals(const std::string& logsFolder) {
    int recovered = 0;
    for (platform::OrphanJournal& journal : platform::claimOrphanJournals(logsFolder)) {
        std::string block = std::move(journal.bytes);
        // A line cut short by the end of the process still ends its line.
        if (!block.empty() && !block.ends_with('\n')) {
            block += kLineEnd;
        }
        platform::AppendFile day(DayLogPath(logsFolder, journal.lastWritten));
        day.write(block + closingBytes());
        if (day.close()) {
            platform::removeOrphanJournal(journal);
            ++recovered;
        }
    }
    return recovered;
}

} // namespace orvane
