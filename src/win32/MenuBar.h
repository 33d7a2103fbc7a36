#pragma once

#include "state/Control.h"
#include "windowlogic/MainWindowLayout.h"
#include "windowlogic/ViewSync.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <type_traits>
#include <utility>

namespace orvane::win32 {

// The main window's menu bar made from the menu table, with its shortcuts as an accelerator
// table, which the message loop applies before any control sees the key: Ctrl+A opens the
// info window from a text box too.
class MenuBar {
public:
    MenuBar();
    ~MenuBar();
    MenuBar(const MenuBar&) = delete;
    MenuBar& operator=(const MenuBar&) = delete;

    // The window takes the menu over and destroys it with itself.
    HMENU takeMenu() { return std::exchange(menu_, nullptr); }
    HACCEL accelerators() const { return accelerators_.get(); }

    // The command id of an entry, and the entry of a command id.
    static int IdOf(windowlogic::MenuCommand command);
    static std::optional<windowlogic::MenuCommand> CommandOf(int id);

    // An entry's check mark and enabled state; a hidden entry is taken out of its menu.
    void bindEntry(windowlogic::ViewSync& sync, Control& element, windowlogic::MenuCommand command);
    // A menu of the bar, by its place: its enabled state.
    void bindTitle(windowlogic::ViewSync& sync, Control& element, HWND window, int position);

private:
    struct DestroyAccelerators {
        void operator()(HACCEL table) const { ::DestroyAcceleratorTable(table); }
    };

    HMENU menu_ = nullptr;
    HMENU bar_ = nullptr;
    std::unique_ptr<std::remove_pointer_t<HACCEL>, DestroyAccelerators> accelerators_;
};

} // namespace orvane::win32
