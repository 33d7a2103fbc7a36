#pragma once

#include "engine/FilePair.h"
#include "engine/RunContext.h"

#include <string_view>

namespace orvane {

// The copy run of the default mode: takes the surveyed copy list from the top, places each
// file, and removes its item whatever the outcome, so the list always shows what is left.
// Numbered log lines run on across folders. With "Move Files" the emptied source folder is
// removed at the end when it has no sub-folders left.
void CopyFromList(const RunContext& run);

// Splits a copy-list item into the pair's paths and name, and says whether it could. A name
// may itself hold "::", so the split is the one whose second half is the first half's
// destination.
bool SplitCopyListItem(const RunContext& run, std::string_view item, FilePair& pair);

} // namespace orvane
