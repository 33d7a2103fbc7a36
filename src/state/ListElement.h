#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <string_view>

namespace orvane {

// A list box as the run sees it: items are added at the end, read and removed at the front.
// The copy list of a large tree holds tens of thousands of items, so a bound widget is told
// each change on its own instead of being refilled.
class ListElement {
public:
    struct Listener {
        std::function<void(const std::string&)> added;
        std::function<void()> removedFirst;
        std::function<void()> cleared;
        std::function<void(int)> selected;
    };

    void bind(Listener listener) { listener_ = std::move(listener); }

    std::size_t count() const { return items_.size(); }
    bool empty() const { return items_.empty(); }
    const std::string& item(std::size_t index) const { return items_.at(index); }
    const std::string& first() const { return items_.front(); }
    int ListIndex() const { return listIndex_; }

    void add(std::string_view text);
    void removeFirst();
    void clear();
    void setListIndex(int index);

private:
    std::deque<std::string> items_;
    int listIndex_ = -1;
    Listener listener_;
};

} // namespace orvane
