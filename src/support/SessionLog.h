#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <string>

namespace orvane {

class ListElement;

// Everything the program did in this session, one free-text line per event, oldest first.
// Lines are only added at the end; only the save at exit takes them away, from the front.
// Nothing here touches the disk.
class SessionLog {
public:
    using LineListener = std::function<void(const std::string&)>;

    // Appends the line and, while the report window is live, shows it at the bottom of the
    // window's list with the selection on it, so the newest line stays in view.
    void AddLogEntry(std::string line);

    std::size_t count() const { return lines_.size(); }
    bool empty() const { return lines_.empty(); }
    // 1-based, as the report window counts: line 1 is the oldest. Throws std::out_of_range
    // outside 1 to count().
    const std::string& line(std::size_t index) const;

    // Does nothing on an empty log.
    void removeFirst();

    // The report window's list lstErr; null while there is no window to echo into.
    void attachReportList(ListElement* list) { reportList_ = list; }
    // Told every appended line, whether or not the report window is live; the command-line
    // program prints the log through it as it grows.
    void setLineListener(LineListener listener) { lineListener_ = std::move(listener); }

    // Set by the report window once it has loaded every line, cleared when it closes. Lines
    // appended while it is false are not lost: the window loads them when it next opens.
    bool ReportLive = false;

private:
    std::deque<std::string> lines_;
    ListElement* reportList_ = nullptr;
    LineListener lineListener_;
};

} // namespace orvane
