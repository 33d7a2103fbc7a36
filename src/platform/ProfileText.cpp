#include "platform/ProfileText.h"

#include <cstddef>
#include <vector>

namespace orvane::platform {

namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
// A CR that does not precede an LF is what is left of a line ending; it never belongs to a
// name or a value.
constexpr std::string_view kBlanks = " \t\r";
constexpr std::size_t kNoSection = static_cast<std::size_t>(-1);

enum class LineKind { Other, Header, BrokenHeader, Entry };

struct Line {
    std::size_t begin = 0; // first byte of the line
    std::size_t end = 0;   // past the content, before the line ending
    std::size_t next = 0;  // first byte of the following line
    LineKind kind = LineKind::Other;
    std::string_view name;  // the section name of a header, the key of an entry
    std::string_view value; // the value of an entry
    // The index of the header whose section holds this line (a header holds itself).
    std::size_t section = kNoSection;
};

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

// Only ASCII letters fold: the bytes above 127 mean different letters in different code
// pages, so they must match exactly.
char foldedAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (foldedAscii(a[i]) != foldedAscii(b[i])) {
            return false;
        }
    }
    return true;
}

void classify(std::string_view content, Line& line) {
    if (content.find('\0') != std::string_view::npos) {
        return;
    }
    const std::string_view text = trimmed(content);
    if (text.empty() || text.front() == ';') {
        return;
    }
    if (text.front() == '[') {
        const auto close = text.find(']');
        if (close == std::string_view::npos) {
            line.kind = LineKind::BrokenHeader;
            return;
        }
        line.kind = LineKind::Header;
        line.name = trimmed(text.substr(1, close - 1));
        return;
    }
    const auto equals = text.find('=');
    if (equals == std::string_view::npos) {
        return;
    }
    line.name = trimmed(text.substr(0, equals));
    if (line.name.empty()) {
        return;
    }
    line.kind = LineKind::Entry;
    line.value = trimmed(text.substr(equals + 1));
}

std::vector<Line> splitLines(std::string_view text) {
    std::vector<Line> lines;
    std::size_t section = kNoSection;
    std::size_t pos = text.starts_with(kUtf8Mark) ? kUtf8Mark.size() : 0;
    while (pos < text.size()) {
        Line line;
        line.begin = pos;
        const auto feed = text.find('\n', pos);
        if (feed == std::string_view::npos) {
            line.end = line.next = text.size();
        } else {
            line.next = feed + 1;
            line.end = (feed > pos && text[feed - 1] == '\r') ? feed - 1 : feed;
        }
        classify(text.substr(line.begin, line.end - line.begin), line);
        if (line.kind == LineKind::Header) {
            section = lines.size();
        } else if (line.kind == LineKind::BrokenHeader) {
            section = kNoSection;
        }
        line.section = section;
        lines.push_back(line);
        pos = line.next;
    }
    return lines;
}

class Layout {
public:
    explicit Layout(std::string_view text) : lines_(splitLines(text)) {}

    const std::vector<Line>& lines() const { return lines_; }

    bool inSection(const Line& line, std::string_view section) const {
        return line.section != kNoSection && sameName(lines_[line.section].name, section);
    }

    bool isEntry(const Line& line, std::string_view section, std::string_view key) const {
        return line.kind == LineKind::Entry && sameName(line.name, key) && inSection(line, section);
    }

    const Line* firstEntry(std::string_view section, std::string_view key) const {
        for (const Line& line : lines_) {
            if (isEntry(line, section, key)) {
                return &line;
            }
        }
        return nullptr;
    }

    // Where a new entry of the section goes: after its last entry, or after its header when
    // it has none, so the blank lines and comments that lead into the next section stay there.
    const Line* insertionPoint(std::string_view section) const {
        std::size_t header = 0;
        while (header < lines_.size() && !(lines_[header].kind == LineKind::Header &&
                                           sameName(lines_[header].name, section))) {
            ++header;
        }
        if (header == lines_.size()) {
            return nullptr;
        }
        const Line* point = &lines_[header];
        for (std::size_t i = header + 1; i < lines_.size() && lines_[i].section == header; ++i) {
            if (lines_[i].kind == LineKind::Entry) {
                point = &lines_[i];
            }
        }
        return point;
    }

private:
    std::vector<Line> lines_;
};

bool endsWithBreak(std::string_view text, std::size_t end) {
    return end > 0 && text[end - 1] == '\n';
}

bool holdsLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

bool storable(std::string_view section, std::string_view key, std::string_view value) {
    if (holdsLineBreakOrNul(section) || holdsLineBreakOrNul(key) || holdsLineBreakOrNul(value)) {
        return false;
    }
    if (section.find(']') != std::string_view::npos || key.find('=') != std::string_view::npos) {
        return false;
    }
    return !key.empty() && key.front() != ';' && key.front() != '[';
}

template <typename Drop>
std::string withoutLines(std::string_view text, const std::vector<Line>& lines, Drop drop) {
    std::string result;
    result.reserve(text.size());
    std::size_t kept = 0;
    for (const Line& line : lines) {
        if (drop(line)) {
            result.append(text.substr(kept, line.begin - kept));
            kept = line.next;
        }
    }
    result.append(text.substr(kept));
    return result;
}

} // namespace

std::optional<std::string> findProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key) {
    const Layout layout(text);
    const Line* entry = layout.firstEntry(trimmed(section), trimmed(key));
    if (entry == nullptr) {
        return std::nullopt;
    }
    return std::string(entry->value);
}

std::optional<std::string> setProfileValue(std::string_view text, std::string_view section,
                                           std::string_view key, std::string_view value) {
    section = trimmed(section);
    key = trimmed(key);
    if (!storable(section, key, value)) {
        return std::nullopt;
    }
    const Layout layout(text);
    std::string result(text);

    if (const Line* entry = layout.firstEntry(section, key)) {
        // The key keeps the spelling the file gave it; only the value changes.
        std::string content(entry->name);
        content.append("=").append(value);
        result.replace(entry->begin, entry->end - entry->begin, content);
        return result;
    }

    std::string entry(key);
    entry.append("=").append(value).append(kLineBreak);
    if (const Line* point = layout.insertionPoint(section)) {
        if (!endsWithBreak(text, point->next)) {
            entry.insert(0, kLineBreak);
        }
        result.insert(point->next, entry);
        return result;
    }

    const std::size_t bodyStart = text.starts_with(kUtf8Mark) ? kUtf8Mark.size() : 0;
    if (result.size() > bodyStart && !endsWithBreak(result, result.size())) {
        result.append(kLineBreak);
    }
    result.append("[").append(section).append("]").append(kLineBreak).append(entry);
    return result;
}

std::string removeProfileKey(std::string_view text, std::string_view section,
                             std::string_view key) {
    section = trimmed(section);
    key = trimmed(key);
    const Layout layout(text);
    return withoutLines(text, layout.lines(),
                        [&](const Line& line) { return layout.isEntry(line, section, key); });
}

std::string removeProfileSection(std::string_view text, std::string_view section) {
    section = trimmed(section);
    const Layout layout(text);
    return withoutLines(text, layout.lines(),
                        [&](const Line& line) { return layout.inSection(line, section); });
}

} // namespace orvane::platform
