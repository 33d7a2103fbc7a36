#pragma once

#include "windowlogic/Twips.h"

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

// Where a control stands as the window is designed, in twips from the top left corner of its
// parent's area. The load moves the two panels over the folder frames.
struct ControlPlace {
    MainControl control;
    MainControl parent;
    TwipsRect place;
};

// Every control of the main window, parents before their children.
std::span<const ControlPlace> MainWindowLayout();
// The design place of one control.
const ControlPlace& PlaceOf(MainControl control);

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
