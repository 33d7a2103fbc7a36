#include "support/SessionLog.h"

#include "state/ListElement.h"
#include "support/SessionJournal.h"
#include "support/ShownText.h"

namespace orvane {

SessionLog::SessionLog() = default;
SessionLog::~SessionLog() = default;

void SessionLog::attachJournal(std::unique_ptr<SessionJournal> journal) {
    journal_ = std::move(journal);
}

void SessionLog::removeJournal() {
    if (journal_) {
        journal_->remove();
        journal_.reset();
    }
}

void SessionLog::AddLogEntry(std::string_view line) {
    shown_.clear();
    AppendShownText(shown_, line);
    auto* text = static_cast<char*>(text_.allocate(shown_.size(), 1));
    shown_.copy(text, shown_.size());
    const std::string_view added = lines_.emplace_back(text, shown_.size());
    const auto journalNotice = journal_ ? journal_->add(added) : std::nullopt;
    if (ReportLive && reportList_ != nullptr) {
        reportList_->add(added);
        reportList_->setListIndex(static_cast<int>(reportList_->count()) - 1);
    }
    if (lineListener_) {
        lineListener_(added);
    }
    if (journalNotice) {
        AddLogEntry(*journalNotice);
    }
}

std::string_view SessionLog::line(std::size_t index) const {
    // Index 0 wraps to the largest size_t, which at() rejects like any other bad index.
    return lines_.at(index - 1);
}

void SessionLog::removeFirst() {
    if (!lines_.empty()) {
        lines_.pop_front();
    }
}

} // namespace orvane
