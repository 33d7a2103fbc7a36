#pragma once

#include "state/Control.h"
#include "state/ListElement.h"
#include "state/ProgressElement.h"

#include <array>
#include <string_view>

namespace orvane {

// The file count's caption as the window is designed, until a run writes a count there.
inline constexpr std::string_view kFileCountBeforeRun = "Files: 888/888";

// The main-window elements a run reads and writes, as plain objects. The window binds each
// to its widget; headless runs and tests read them directly. The captions are the window's
// texts before the first run.
struct MainWindowElements {
    Control cmdStart{"&Start Copy"};
    Control cmdCancel{"&Stop"};
    Control cmdPause{"&Pause", false};
    Control cmdCancelLoad{"Cancel"};

    Control fraSource{"Source Folder"};
    Control fraDestination{"Destination Folder"};
    Control fraCopy{"Copy status", true, false};
    Control fraSave{"", true, false};

    Control txtSource;
    Control txtDestination;

    Control mnuOpt{"&Options"};
    Control mnuOptMove{"Move Files"};
    Control mnuOptDcopy{"Direct Copy"};

    Control tmrClock{"", false};

    // lblTime: 0 time elapsed, 1 estimated time, 2 data rate, 3 total size.
    std::array<Control, 4> lblTime{Control{"Time elapsed: 00:00:00"},
                                   Control{"Estimated time: 00:00:00"},
                                   Control{"Data rate: 0 kBps"}, Control{"Total size todo: 0 B"}};
    // lblInfo: 0 the file count, 1 the current file.
    std::array<Control, 2> lblInfo{Control{std::string(kFileCountBeforeRun)},
                                   Control{"Copying file:"}};
    Control lblSave{"Saving log entry's to log file"};

    ListElement lstCopy;

    ProgressElement pbFileCopy;
    ProgressElement pbTotalFiles;
    ProgressElement pbSaveLog;
};

} // namespace orvane
