#include "win32/ListBoxMirror.h"

#include "win32/Text.h"

namespace orvane::win32 {

ListBoxMirror::ListBoxMirror(ListElement& list, HWND box, std::function<void()> changed)
    : list_(list), box_(box), changed_(std::move(changed)) {
    list_.bind({[this](const std::string&) { changed_(); }, [this] { removedFirst(); },
                [this] { cleared(); },
                [this](int) {
                    selectionWaits_ = true;
                    changed_();
                }});
    cleared();
}

ListBoxMirror::~ListBoxMirror() {
    list_.bind({});
}

void ListBoxMirror::setShown(bool shown) {
    if (shown == shown_) {
        return;
    }
    shown_ = shown;
    cleared();
    if (shown_) {
        selectionWaits_ = true;
        catchUp();
    }
}

void ListBoxMirror::removedFirst() {
    if (rows_ > 0) {
        ::SendMessageW(box_, LB_DELETESTRING, 0, 0);
        --rows_;
    }
}

void ListBoxMirror::cleared() {
    ::SendMessageW(box_, LB_RESETCONTENT, 0, 0);
    rows_ = 0;
    widest_ = 0;
    ::SendMessageW(box_, LB_SETHORIZONTALEXTENT, 0, 0);
}

void ListBoxMirror::catchUp() {
    if (!shown_) {
        return;
    }
    const std::size_t count = list_.count();
    if (count > rows_) {
        // Room for all new items at once, and one repaint for them all.
        ::SendMessageW(box_, LB_INITSTORAGE, count - rows_, 0);
        ::SendMessageW(box_, WM_SETREDRAW, FALSE, 0);
        HDC dc = ::GetDC(box_);
        const HGDIOBJ oldFont =
            ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageW(box_, WM_GETFONT, 0, 0)));
        for (; rows_ < count; ++rows_) {
            const std::wstring text = Wide(list_.item(rows_));
            ::SendMessageW(box_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
            SIZE size{};
            ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
            widest_ = std::max(widest_, static_cast<int>(size.cx));
        }
        ::SelectObject(dc, oldFont);
        ::ReleaseDC(box_, dc);
        // The longest line can be scrolled into view.
        ::SendMessageW(box_, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest_ + 4), 0);
        ::SendMessageW(box_, WM_SETREDRAW, TRUE, 0);
        ::InvalidateRect(box_, nullptr, TRUE);
    }
    if (selectionWaits_) {
        selectionWaits_ = false;
        ::SendMessageW(box_, LB_SETCURSEL, static_cast<WPARAM>(list_.ListIndex()), 0);
    }
}

} // namespace orvane::win32
