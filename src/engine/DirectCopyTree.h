#pragma once

#include "engine/RunContext.h"

#include <string>

namespace orvane {

// The Direct Copy run: walks the source tree depth-first in the system's order and places
// each file as it is met, numbering the log lines afresh in every folder. Stop ends the walk
// at the next entry; pause waits after the entry in hand.
void DirectCopyTree(const RunContext& run, const std::string& source,
                    const std::string& destination);

} // namespace orvane
