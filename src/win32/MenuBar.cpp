#include "win32/MenuBar.h"

#include "win32/Bindings.h"
#include "win32/Text.h"

#include <string>
#include <vector>

namespace orvane::win32 {

namespace {

using windowlogic::MenuCommand;
using windowlogic::MenuEntry;

constexpr int kFirstMenuId = 1000;

std::wstring Caption(const MenuEntry& entry) {
    std::string caption(entry.caption);
    if (entry.ctrlKey != 0) {
        caption += std::string("\tCtrl+") + entry.ctrlKey;
    }
    return Wide(caption);
}

} // namespace

MenuBar::MenuBar() : menu_(::CreateMenu()), bar_(menu_) {
    std::vector<ACCEL> shortcuts;
    for (const windowlogic::MenuTitle& title : windowlogic::MainMenus()) {
        HMENU popup = ::CreatePopupMenu();
        for (const MenuEntry& entry : title.entries) {
            if (entry.separator) {
                ::AppendMenuW(popup, MF_SEPARATOR, static_cast<UINT_PTR>(IdOf(entry.command)),
                              nullptr);
                continue;
            }
            ::AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(IdOf(entry.command)),
                          Caption(entry).c_str());
            if (entry.ctrlKey != 0) {
                shortcuts.push_back({FCONTROL | FVIRTKEY, static_cast<WORD>(entry.ctrlKey),
                                     static_cast<WORD>(IdOf(entry.command))});
            }
        }
        ::AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(popup),
                      Wide(title.caption).c_str());
    }
    accelerators_.reset(
        ::CreateAcceleratorTableW(shortcuts.data(), static_cast<int>(shortcuts.size())));
}

MenuBar::~MenuBar() {
    if (menu_ != nullptr) {
        ::DestroyMenu(menu_);
    }
}

int MenuBar::IdOf(MenuCommand command) {
    return kFirstMenuId + static_cast<int>(command);
}

std::optional<MenuCommand> MenuBar::CommandOf(int id) {
    const int last = static_cast<int>(MenuCommand::mnuHelpAbout);
    if (id < kFirstMenuId || id > kFirstMenuId + last) {
        return std::nullopt;
    }
    return static_cast<MenuCommand>(id - kFirstMenuId);
}

void MenuBar::bindEntry(windowlogic::ViewSync& sync, Control& element, MenuCommand command) {
    // The entry's menu, and the entries before it there, which place it when it comes back.
    HMENU popup = nullptr;
    std::vector<int> before;
    int position = 0;
    for (const windowlogic::MenuTitle& title : windowlogic::MainMenus()) {
        for (const MenuEntry& entry : title.entries) {
            if (entry.command == command) {
                popup = ::GetSubMenu(bar_, position);
                break;
            }
            before.push_back(IdOf(entry.command));
        }
        if (popup != nullptr) {
            break;
        }
        before.clear();
        ++position;
    }
    const UINT id = static_cast<UINT>(IdOf(command));
    const std::wstring caption = Wide(element.caption());
    BindWith(sync, element.changed, [&element, popup, before, id, caption] {
        const bool present = ::GetMenuState(popup, id, MF_BYCOMMAND) != static_cast<UINT>(-1);
        if (present && !element.visible()) {
            ::RemoveMenu(popup, id, MF_BYCOMMAND);
        } else if (!present && element.visible()) {
            UINT at = 0;
            for (const int earlier : before) {
                at += ::GetMenuState(popup, static_cast<UINT>(earlier), MF_BYCOMMAND) !=
                      static_cast<UINT>(-1);
            }
            ::InsertMenuW(popup, at, MF_BYPOSITION | MF_STRING, id, caption.c_str());
        }
        ::CheckMenuItem(popup, id, MF_BYCOMMAND | (element.checked() ? MF_CHECKED : MF_UNCHECKED));
        ::EnableMenuItem(popup, id, MF_BYCOMMAND | (element.enabled() ? MF_ENABLED : MF_GRAYED));
    });
}

void MenuBar::bindTitle(windowlogic::ViewSync& sync, Control& element, HWND window, int position) {
    BindWith(sync, element.changed, [&element, bar = bar_, window, position] {
        const UINT state = element.enabled() ? MF_ENABLED : MF_GRAYED;
        if ((::GetMenuState(bar, static_cast<UINT>(position), MF_BYPOSITION) & MF_GRAYED) !=
            (state & MF_GRAYED)) {
            ::EnableMenuItem(bar, static_cast<UINT>(position), MF_BYPOSITION | state);
            ::DrawMenuBar(window);
        }
    });
}

} // namespace orvane::win32
