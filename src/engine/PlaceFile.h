#pragma once

#include "engine/FilePair.h"
#include "engine/RunContext.h"

#include <cstdint>
#include <string_view>

namespace orvane {

// What the per-file step did, for the list run's bookkeeping of skipped files.
struct Placement {
    bool skipped = false;
    std::int64_t skippedSize = 0; // the destination's size, when skipped
};

// The per-file step: skips a destination of the same size, copies again one of another size
// (the new copy replaces it once complete), copies a missing one; then, with "Move Files"
// checked, deletes the source, but only when its copy is complete, on disk, still in place
// and still matches the source.
Placement PlaceFile(const RunContext& run, const FilePair& pair, std::int32_t& FileNumber,
                    std::string_view displayedName);

} // namespace orvane
