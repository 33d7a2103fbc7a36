#include "support/SessionJournal.h"

#include "platform/AppendFile.h"
#include "support/LogFileSaver.h"
#include "support/ShownText.h"

#include <ostream>

namespace orvane {

namespace {

constexpr const char* kLineEnd = "\r\n";

std::string closingBytes() {
    return std::string(kUnclosedSessionLine) + kLineEnd + kLineEnd + kLineEnd;
}

} // namespace

std::unique_ptr<SessionJournal> SessionJournal::open(const std::string& logsFolder,
                                                     std::ostream& errors) {
    auto file = platform::JournalFile::create(
        logsFolder,
        [logsFolder](const platform::LocalTime& day) { return DayLogPath(logsFolder, day); },
        closingBytes());
    if (!file) {
        return nullptr;
    }
    return std::make_unique<SessionJournal>(std::move(file), errors);
}

std::optional<std::string> SessionJournal::add(std::string_view line) {
    // One write per line: a line is on file as soon as it is logged.
    if (file_->append(line, kLineEnd) || stopped_) {
        return std::nullopt;
    }
    stopped_ = true;
    const std::string notice = "The session journal cannot grow (" + file_->failureReason() +
                               "), the session goes on without it: " + file_->path();
    errors_ << ShownText("orvane: " + notice) << '\n';
    errors_.flush();
    return notice;
}

void SessionJournal::remove() {
    file_->remove();
}

int RecoverJournals(const std::string& logsFolder, std::ostream& errors) {
    int recovered = 0;
    std::vector<std::string> skipped;
    auto orphans = platform::claimOrphanJournals(logsFolder, skipped);
    for (const std::string& entry : skipped) {
        errors << ShownText("orvane: skipped " + entry) << '\n';
    }
    for (platform::OrphanJournal& journal : orphans) {
        std::string block = std::move(journal.bytes);
        // Made but never written to (the process ended at once, or the disk was full from
        // the start): there is no session to close in the day's file.
        if (block.empty()) {
            platform::removeOrphanJournal(journal);
            continue;
        }
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
