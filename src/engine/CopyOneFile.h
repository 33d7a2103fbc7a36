#pragma once

#include "engine/FilePair.h"
#include "engine/RunContext.h"
#include "platform/DriveSpace.h"
#include "platform/FileIdentity.h"

#include <cstdint>
#include <optional>

namespace orvane {

// What became of one file pair in the copy step. The log already says it to the user; the
// per-file step needs it to know whether a source may be deleted.
enum class CopyOutcome {
    Copied,
    DestinationPresent, // a destination that could not be removed is left alone
    NotEnoughSpace,
    Cancelled,
    Failed,
    SourceChanged, // copied, but the source changed meanwhile: it must be kept
};

struct CopyResult {
    CopyOutcome outcome = CopyOutcome::Failed;
    // The source as it was read, for the move step's check that it has not changed since.
    std::optional<platform::FileIdentity> sourceAsCopied;
};

// The free space of the file system that will hold the destination, and its mount point,
// which the log names as the drive.
platform::DriveSpace GetDriveSpace(const std::string& destination);

// True when an entry that is not a folder stands at the path, a dangling link included.
bool FilePresent(const std::string& path);

// What the per-file step knows when it asks for a copy.
struct CopyRequest {
    std::int64_t sourceSize = 0;
    // Move mode: the copy is on disk before this returns, as the move step needs.
    bool durable = false;
    // The step has just tried to remove a destination of another size; one that is still
    // there is left alone. Otherwise the step has seen that no destination exists.
    bool afterRemoval = false;
    // What the free space must hold: a file's holes are kept, so they need none.
    std::int64_t spaceNeeded = 0;
};

// Copies one file pair: checks the free space of the destination's file system, copies
// through the platform copy with progress, and logs the outcome.
CopyResult CopyOneFile(const RunContext& run, const FilePair& pair, std::int32_t& FileNumber,
                       const CopyRequest& request);

} // namespace orvane
