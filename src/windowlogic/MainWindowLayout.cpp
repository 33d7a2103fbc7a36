#include "windowlogic/MainWindowLayout.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace orvane::windowlogic {

namespace {

using enum MainControl;

constexpr std::array kPlaces{
    // The left part: two folder frames and the button row.
    ControlPlace{fraSource, window, {120, 60, 6135, 855}},
    ControlPlace{txtSource, fraSource, {120, 360, 4695, 315}},
    ControlPlace{cmdBrowseSou, fraSource, {4920, 330, 1095, 375}},
    ControlPlace{fraDestination, window, {120, 1020, 6135, 855}},
    ControlPlace{txtDestination, fraDestination, {120, 360, 4695, 315}},
    ControlPlace{cmdBrowseDes, fraDestination, {4920, 330, 1095, 375}},
    ControlPlace{cmdStart, window, {120, 2040, 1575, 420}},
    ControlPlace{cmdOptions, window, {4680, 2040, 1575, 420}},
    // The copy-status panel, hidden until a run; the load moves it over the folder frames.
    ControlPlace{fraCopy, window, {120, 2040, 6135, 2775}},
    ControlPlace{pbTotalFiles, fraCopy, {120, 300, 5895, 285}},
    ControlPlace{pbFileCopy, fraCopy, {120, 660, 5895, 285}},
    ControlPlace{lblInfo0, fraCopy, {120, 1020, 5895, 225}},
    ControlPlace{lblInfo1, fraCopy, {120, 1260, 5895, 585}},
    ControlPlace{lblTime0, fraCopy, {120, 1890, 2895, 225}},
    ControlPlace{lblTime1, fraCopy, {3120, 1890, 2895, 225}},
    ControlPlace{lblTime2, fraCopy, {120, 2130, 2895, 225}},
    ControlPlace{lblTime3, fraCopy, {3120, 2130, 2895, 225}},
    ControlPlace{cmdPause, fraCopy, {3360, 2400, 1215, 315}},
    ControlPlace{cmdCancel, fraCopy, {4680, 2400, 1335, 315}},
    // The save panel, placed over the folder frames at load as well.
    ControlPlace{fraSave, window, {120, 2040, 6135, 2775}},
    ControlPlace{lblSave, fraSave, {120, 360, 5895, 465}},
    ControlPlace{pbSaveLog, fraSave, {120, 960, 5895, 285}},
    ControlPlace{cmdCancelLoad, fraSave, {4680, 1440, 1335, 375}},
    // The right part, seen only while the window is widened.
    ControlPlace{lstCopy, window, {6360, 120, 6495, 2400}},
};

constexpr std::array kMenuEntries{
    MenuEntry{MenuCommand::mnuMenuReport, "&Report", 'R'},
    MenuEntry{MenuCommand::mnuMenuS0, "-", 0, false, true},
    MenuEntry{MenuCommand::mnuMenuQuit, "Quit"},
    MenuEntry{MenuCommand::mnuOptMove, "Move Files", 0, true},
    MenuEntry{MenuCommand::mnuOptDcopy, "Direct Copy", 0, true},
    MenuEntry{MenuCommand::mnuOptDebug, "debug"},
    MenuEntry{MenuCommand::mnuHelpHistory, "History"},
    MenuEntry{MenuCommand::mnuHelpUpdate, "Update @ Site"},
    MenuEntry{MenuCommand::mnuHelpThanks, "Special Thanks"},
    MenuEntry{MenuCommand::mnuHelpAbout, "&About", 'A'},
};

const std::array kMenus{
    MenuTitle{"&Menu", std::span(kMenuEntries).subspan(0, 3)},
    MenuTitle{"&Options", std::span(kMenuEntries).subspan(3, 3)},
    MenuTitle{"Help", std::span(kMenuEntries).subspan(6, 4)},
};

} // namespace

std::span<const ControlPlace> MainWindowLayout() {
    return kPlaces;
}

const ControlPlace& PlaceOf(MainControl control) {
    const auto* found =
        std::find_if(kPlaces.begin(), kPlaces.end(),
                     [control](const ControlPlace& p) { return p.control == control; });
    if (found == kPlaces.end()) {
        throw std::out_of_range("the window's own area has no design place");
    }
    return *found;
}

std::span<const MenuTitle> MainMenus() {
    return kMenus;
}

} // namespace orvane::windowlogic
