#pragma once

#include "engine/FilePair.h"
#include "engine/RunContext.h"
#include "platform/DestinationTree.h"
#include "platform/DriveSpace.h"
#include "platform/FileIdentity.h"

#include <cstdint>
#include <optional>

namespace orvane {

// What became of one file pair in the copy step. The log already says it to the user; the
// per-file step needs it to know whether a source may be deleted.
enum class CopyOutcome {
    Copied,
    NotEnoughSpace,
    Cancelled,
    Failed, // the source changed during every attempt among others
};

struct CopyResult {
    CopyOutcome outcome = CopyOutcome::Failed;
    // The source as it was read, for the move step's check that it has not changed since.
    std::optional<platform::FileIdentity> sourceAsCopied;
    // The copy as it was placed, for the move step's check that it is still in place.
    std::optional<platform::FileIdentity> placed;
    // The copy continued a part an earlier run left, which was checked only at its end: the
    // move step compares the whole copy with the source before it deletes the source.
    bool continued = false;
};

// How often a file whose source changed while it was copied is tried: a file that is being
// written to settles, or is reported failed, after a bounded number of copies.
inline constexpr int kCopyAttempts = 3;

// What the per-file step knows when it asks for a copy.
struct CopyRequest {
    std::int64_t sourceSize = 0;
    // Move mode: the copy is on disk before this returns, as the move step needs.
    bool durable = false;
    // The destination of another size that the copy replaces once it is complete (the old
    // version stays until then), or empty when the step saw no destination.
    std::optional<platform::TreeFile> replaces;
    // What the free space must hold: a file's holes are kept, so they need none.
    std::int64_t spaceNeeded = 0;
    // What the step found the source to be just before.
    std::optional<platform::EntryKind> sourceKind = std::nullopt;
};

// Copies one file pair: checks the free space of the destination's file system (counting the
// space of the version it replaces as free), copies through the platform copy with progress,
// tries again while the source changes under it, and logs the outcome.
CopyResult CopyOneFile(const RunContext& run, const FilePair& pair, std::int32_t& FileNumber,
                       const CopyRequest& request);

} // namespace orvane
