#include "windowlogic/MainWindowLayout.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace orvane::windowlogic {

namespace {

using enum MainControl;
using Place = ControlPlace<MainControl>;

constexpr std::array kPlaces{
    // The left part: two folder frames and the button row.
    Place{fraSource, window, {120, 60, 6135, 855}},
    Place{txtSource, fraSource, {120, 360, 4695, 315}},
    Place{cmdBrowseSou, fraSource, {4920, 330, 1095, 375}},
    Place{fraDestination, window, {120, 1020, 6135, 855}},
    Place{txtDestination, fraDestination, {120, 360, 4695, 315}},
    Place{cmdBrowseDes, fraDestination, {4920, 330, 1095, 375}},
    Place{cmdStart, window, {120, 2040, 1575, 420}},
    Place{cmdOptions, window, {4680, 2040, 1575, 420}},
    // The copy-status panel, hidden until a run; the load moves it over the folder frames.
    Place{fraCopy, window, {120, 2040, 6135, 2775}},
    Place{pbTotalFiles, fraCopy, {120, 300, 5895, 285}},
    Place{pbFileCopy, fraCopy, {120, 660, 5895, 285}},
    Place{lblInfo0, fraCopy, {120, 1020, 5895, 225}},
    Place{lblInfo1, fraCopy, {120, 1260, 5895, 585}},
    Place{lblTime0, fraCopy, {120, 1890, 2895, 225}},
    Place{lblTime1, fraCopy, {3120, 1890, 2895, 225}},
    Place{lblTime2, fraCopy, {120, 2130, 2895, 225}},
    Place{lblTime3, fraCopy, {3120, 2130, 2895, 225}},
    Place{cmdPause, fraCopy, {3360, 2400, 1215, 315}},
    Place{cmdCancel, fraCopy, {4680, 2400, 1335, 315}},
    // The save panel, placed over the folder frames at load as well.
    Place{fraSave, window, {120, 2040, 6135, 2775}},
    Place{lblSave, fraSave, {120, 360, 5895, 465}},
    Place{pbSaveLog, fraSave, {120, 960, 5895, 285}},
    Place{cmdCancelLoad, fraSave, {4680, 1440, 1335, 375}},
    // The right part, seen only while the window is widened.
    Place{lstCopy, window, {6360, 120, 6495, 2400}},
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

std::span<const Place> MainWindowLayout() {
    return kPlaces;
}

const Place& PlaceOf(MainControl control) {
    const auto* found = std::find_if(kPlaces.begin(), kPlaces.end(),
                                     [control](const Place& p) { return p.control == control; });
    if (found == kPlaces.end()) {
        throw std::out_of_range("the window's own area has no design place");
    }
    return *found;
}

std::span<const MenuTitle> MainMenus() {
    return kMenus;
}

} // namespace orvane::windowlogic
