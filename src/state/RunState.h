#pragma once

#include "platform/HardLinkTable.h"
#include "platform/HeldNames.h"
#include "platform/MadeFolders.h"
#include "platform/SourceFolder.h"
#include "platform/SystemError.h"
#include "platform/TreeFolders.h"
#include "state/Amount.h"
#include "state/KnownFreeSpace.h"
#include "state/RunControl.h"
#include "state/RunOutcome.h"

#include <cstdint>
#include <map>
#include <string>

namespace orvane {

// A failure that a step passed over and left for the run to report at its end.
struct PendingError {
    // Its number is the system's, shown as it stands.
    platform::SystemError error;
    std::string description;
};

// The variables through which the controller, the engine and the clock cooperate. There is
// one thread, so there are no locks: whoever holds the state reads and writes it directly.
//
// Byte totals live in two scales. The survey adds file sizes as values (value = bytes);
// copying works in the raw scale (raw = bytes), and Start moves the survey's totals from the
// first scale to the second by dividing them by 10000.
struct RunState {
    std::int32_t RunControl = run_control::none;

    Amount CTotalFileSize;      // still to copy
    Amount CTotalFileSizeStart; // to copy as the survey left it; not reset by a run
    Amount CTotalFileSizetrans; // copied or skipped so far, raw scale
    Amount CLastTransferred;    // bytes of the current file already counted, raw scale

    bool ListCopyActive = false;
    std::int32_t StartTick = 0;
    Amount CRemainingLast; // remaining size in value scale at the previous clock tick
    std::int16_t DirCount = 0;

    PendingError pendingError;
    RunOutcome outcome;
    // Outlives the runs: set once by the front end.
    ProblemListener problemListener;
    ResumeListener resumeListener;

    // What the platform copy keeps across the entries of one run: the copies of files with
    // several names, and the folders made whose metadata is set once they are complete.
    platform::HardLinkTable hardLinks;
    platform::MadeFolders madeFolders;
    // The names destination folders hold, for telling an entry that a case-insensitive file
    // system finds under another spelling (a file this run placed for another source, say).
    platform::HeldNames destinationNames;
    // The destination folders the run works in, kept open while it does.
    platform::TreeFolders destinationFolders;
    KnownFreeSpace freeSpace;
    // Set by the front end when the program ends in the middle of a run, after the log was
    // saved: the file being copied is then not placed, even when its last chunk is done, so
    // nothing lands in the destination that the saved log does not tell of.
    bool programEnding = false;
    // Each source folder the survey listed, by its path: the list run works only in the
    // folders found there again, never in whatever the path leads to by then.
    std::map<std::string, platform::FolderIdentity> listedFolders;

    // What a run resets at its start; the survey total and the list flag are left alone.
    void resetForRun(std::int32_t startTick) {
        StartTick = startTick;
        DirCount = 0;
        CTotalFileSize = CTotalFileSizetrans = CLastTransferred = CRemainingLast = Amount{};
        RunControl = run_control::none;
        pendingError = {};
        outcome = {};
        hardLinks.clear();
        madeFolders.clear();
        destinationNames.clear();
        destinationFolders.clear();
        freeSpace.clear();
        listedFolders.clear();
    }
};

} // namespace orvane
