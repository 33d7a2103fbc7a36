#pragma once

#include "engine/RunContext.h"

#include <string>

namespace orvane {

// The destination path of a source path: the run's source root (the source box) replaced by
// its destination root (the destination box), at a folder boundary only.
std::string MapToDestination(const RunContext& run, const std::string& sourcePath);

// Creates the destination folder of a source folder when it is missing, logs the outcome,
// and yields once, also when the folder was already there. Below the run's destination
// folder, a link where the folder should be is not followed: the folder could not be made.
void MakeDestinationDir(const RunContext& run, const std::string& sourceFolder);

// Puts a source file on the copy list with its destination and counts its size into the
// to-do total (value scale), then yields once. The caller has the size from its listing.
void AddToCopyList(const RunContext& run, const std::string& sourceFile, std::int64_t size);

} // namespace orvane
