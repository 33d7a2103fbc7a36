#pragma once

#include "engine/FilePair.h"
#include "engine/RunContext.h"
#include "platform/FileIdentity.h"

#include <optional>

namespace orvane {

// Deletes a source file after its turn in "Move Files" mode, once every check that guards
// against losing it holds: the destination is on disk, it is not the source itself nor
// under a name that another file's copy may take over as its temporary, the source has not
// changed since it was copied (or compared), and, for a skipped file, the destination holds
// the same bytes. Returns whether the source was deleted; a source kept is reported to the
// run's problem listener with the reason.
bool DeleteMovedSource(const RunContext& run, const FilePair& pair,
                       const platform::FileIdentity& sourceAsCopied, bool compareContents);

} // namespace orvane
