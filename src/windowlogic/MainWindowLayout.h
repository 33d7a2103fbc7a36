#pragma once

#include "windowlogic/ControlPlace.h"

#include <span>
#include <string_view>

namespace orvane::windowlogic {

// The controls of the main window, named as the window names them. `window` stands for the
// window's own area, the parent of the frames and of the copy list.
enum class MainControl {
    window,
    fraSource,
    txtSource,
    cmdBrowseSou,
    fraDestination,
    txtDestination,
    cmdBrowseDes,
    cmdStart,
    cmdOptions,
    fraCopy,
    pbTotalFiles,
    pbFileCopy,
    lblInfo0,
    lblInfo1,
    lblTime0,
    lblTime1,
    lblTime2,
    lblTime3,
    cmdPause,
    cmdCancel,
    fraSave,
    lblSave,
    pbSaveLog,
    cmdCancelLoad,
    lstCopy,
};

// Every control of the main window, parents before their children. The load moves the two
// panels over the folder frames.
std::span<const ControlPlace<MainControl>> MainWindowLayout();
// The design place of one control.
const ControlPlace<MainControl>& PlaceOf(MainControl control);

// The entries of the main window's menus, in order. The separator is an entry of its own.
enum class MenuCommand {
    mnuMenuReport,
    mnuMenuS0,
    mnuMenuQuit,
    mnuOptMove,
    mnuOptDcopy,
    mnuOptDebug,
    mnuHelpHistory,
    mnuHelpUpdate,
    mnuHelpThanks,
    mnuHelpAbout,
};

struct MenuEntry {
    MenuCommand command;
    std::string_view caption;
    // The letter of its Ctrl shortcut, or 0 for none.
    char ctrlKey = 0;
    bool checkMark = false;
    bool separator = false;
};

struct MenuTitle {
    std::string_view caption;
    std::span<const MenuEntry> entries;
};

// The menu bar: "&Menu", "&Options" and "Help" with their entries.
std::span<const MenuTitle> MainMenus();

} // namespace orvane::windowlogic
