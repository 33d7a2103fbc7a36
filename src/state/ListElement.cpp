#include "state/ListElement.h"

namespace orvane {

void ListElement::add(std::string_view text) {
    items_.emplace_back(text);
    if (listener_.added) {
        listener_.added(items_.back());
    }
}

void ListElement::removeFirst() {
    if (items_.empty()) {
        return;
    }
    items_.pop_front();
    // The selection follows its item as a list box's does; the first one has just gone.
    listIndex_ = listIndex_ > 0 ? listIndex_ - 1 : -1;
    if (listener_.removedFirst) {
        listener_.removedFirst();
    }
}

void ListElement::clear() {
    items_.clear();
    listIndex_ = -1;
    if (listener_.cleared) {
        listener_.cleared();
    }
}

void ListElement::setListIndex(int index) {
    listIndex_ = index;
    if (listener_.selected) {
        listener_.selected(index);
    }
}

} // namespace orvane
