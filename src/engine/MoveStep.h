#pragma once

#include "engine/FilePair.h"
#include "engine/RunContext.h"
#include "platform/FileIdentity.h"

namespace orvane {

// What a file's turn left behind, as the move step must find it again before it deletes.
struct MovedFile {
    platform::FileIdentity sourceAsCopied; // the source as it was copied (or compared)
    platform::FileIdentity destination;    // the copy placed, or the file skipped
};

// Deletes a source file after its turn in "Move Files" mode, once every check that guards
// against losing it holds: the destination is on disk, it is not the source itself, it is
// still the entry this turn placed or skipped (another run may have replaced it since), the
// source has not changed since it was copied (or compared), and, where the turn did not read
// every byte it placed (a skipped file, a copy that continued an earlier run's part), the
// destination holds the same bytes. Returns whether the source is gone: deleted, or removed by
// someone else meanwhile (told to the run's problem listener, as is a source kept, with the
// reason).
bool DeleteMovedSource(const RunContext& run, const FilePair& pair, const MovedFile& moved,
                       bool compareContents);

} // namespace orvane
