#pragma once

#include "engine/RunContext.h"

#include <string>

namespace orvane {

// The destination path of a source path: the run's source root (the source box) replaced by
// its destination root (the destination box), at a folder boundary only.
std::string MapToDestination(const RunContext& run, const std::string& sourcePath);

// Creates the destination folder of a source folder when it is missing, logs the outcome
// (and tells the run's problem listener why a folder could not be made), and yields once,
// also when the folder was already there. Below the run's destination folder, a link where
// the folder should be is not followed: the folder could not be made.
void MakeDestinationDir(const RunContext& run, const std::string& sourceFolder);

// A destination folder that was there before the run: one that a killed run made and never
// finished is finished as if this run had made it, and the partial copies that earlier runs
// left there of large files whose source is gone or changed since are removed.
void TakeOverExistingDir(const RunContext& run, const std::string& destination,
                         const std::string& sourceFolder);

// Gives a destination folder made by this run its source folder's owner, attributes,
// permission bits and times, once nothing more is put into it; a folder that was there
// before the run is left as it is.
void FinishDestinationDir(const RunContext& run, const std::string& destination);
// The same for every folder made by the run and not finished yet, the deepest first.
void FinishDestinationDirs(const RunContext& run);

// Puts a source file on the copy list with its destination and counts its size into the
// to-do total (value scale), then yields once. The caller has the size from its listing.
void AddToCopyList(const RunContext& run, const std::string& sourceFile, std::int64_t size);

} // namespace orvane
