#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <memory_resource>
#include <string>
#include <string_view>

namespace orvane {

class ListElement;
class SessionJournal;

// Everything the program did in this session, one free-text line per event, oldest first.
// Lines are only added at the end; only the save at exit takes them away, from the front.
// Nothing here touches the disk but the journal, when one is attached.
//
// A run logs a line for every file, so the lines' text is kept in large blocks that are given
// back only when the log goes: a line costs no allocation of its own.
class SessionLog {
public:
    using LineListener = std::function<void(std::string_view)>;

    SessionLog();
    ~SessionLog();
    SessionLog(const SessionLog&) = delete;
    SessionLog& operator=(const SessionLog&) = delete;

    // Appends the line, its control characters escaped (ShownText), and, while the report window is
    // live, shows it at the bottom of the window's list with the selection on it, so the newest
    // line stays in view.
    void AddLogEntry(std::string_view line);
    // The same for a line written by `compose(std::string&)` into storage kept from line to
    // line: the lines logged for every file are composed in place, not joined from temporaries.
    template <typename Compose> void AddComposedEntry(Compose compose) {
        composed_.clear();
        compose(composed_);
        AddLogEntry(composed_);
    }

    std::size_t count() const { return lines_.size(); }
    bool empty() const { return lines_.empty(); }
    // 1-based, as the report window counts: line 1 is the oldest. Throws std::out_of_range
    // outside 1 to count(). The text lives as long as the log.
    std::string_view line(std::size_t index) const;

    // Does nothing on an empty log.
    void removeFirst();

    // The report window's list lstErr; null while there is no window to echo into.
    void attachReportList(ListElement* list) { reportList_ = list; }
    // Told every appended line, whether or not the report window is live; the command-line
    // program prints the log through it as it grows.
    void setLineListener(LineListener listener) { lineListener_ = std::move(listener); }
    // From now on every line is also written to the session's journal as it is logged.
    void attachJournal(std::unique_ptr<SessionJournal> journal);
    // The lines have reached the day's file: the journal goes.
    void removeJournal();

    // Set by the report window once it has loaded every line, cleared when it closes. Lines
    // appended while it is false are not lost: the window loads them when it next opens.
    bool ReportLive = false;

private:
    std::pmr::monotonic_buffer_resource text_;
    std::deque<std::string_view> lines_;
    // A line escaped, before it takes its place among the others.
    std::string shown_;
    ListElement* reportList_ = nullptr;
    LineListener lineListener_;
    std::unique_ptr<SessionJournal> journal_;
    std::string composed_;
};

} // namespace orvane
