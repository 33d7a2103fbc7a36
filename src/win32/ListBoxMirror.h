#pragma once

#include "state/ListElement.h"

#include <windows.h>

#include <functional>

namespace orvane::win32 {

// A list element shown by a standard list box that holds every item's text itself, so that it
// answers LB_GETCOUNT and LB_GETTEXT as any list box does, for screen readers and test tools.
// The box holds the element's first items, as many as it has caught up with: a removal or a
// clearing reaches it at once, while new items and the selection wait for catchUp(), which the
// window calls as often as it wants them shown (`changed` tells it that something waits).
// A hidden list follows nothing and is filled anew when shown.
class ListBoxMirror {
public:
    ListBoxMirror(ListElement& list, HWND box, std::function<void()> changed);
    ~ListBoxMirror();
    ListBoxMirror(const ListBoxMirror&) = delete;
    ListBoxMirror& operator=(const ListBoxMirror&) = delete;

    void setShown(bool shown);
    void catchUp();

private:
    void removedFirst();
    void cleared();

    ListElement& list_;
    HWND box_;
    std::function<void()> changed_;
    bool shown_ = true;
    bool selectionWaits_ = false;
    // How many of the element's first items the box holds, and the widest one's pixels.
    std::size_t rows_ = 0;
    int widest_ = 0;
};

} // namespace orvane::win32
