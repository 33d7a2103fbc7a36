#pragma once

#include "engine/RunContext.h"

namespace orvane {

// The copy Start runs once both folders are checked, from the source box into the destination
// box: the Direct Copy walk, or the survey and then the copy of its list.
void CopySourceTree(const RunContext& run, bool direct);

} // namespace orvane
