#pragma once

#include "engine/RunContext.h"

#include <string>

namespace orvane {

// The single-step operations of the engine. Failures are swallowed: the creating call says
// whether it worked, the removing calls say nothing, and the steps that use them log the
// outcome themselves.

bool FolderExists(const std::string& path);
// True for an existing entry that is not a folder.
bool FileExists(const std::string& path);
// Creates one folder level for a source folder of the run, private until FinishFolder gives
// it the source folder's metadata; false when it exists already, the parent is missing, or
// the system refuses.
bool CreateFolder(const RunContext& run, const std::string& path, const std::string& sourceFolder);
// Gives a folder that the run made its source folder's metadata, once nothing more is put
// into it; folders that were there before are left as they are.
void FinishFolder(const RunContext& run, const std::string& path);
// The same for every folder made by the run and not finished yet.
void FinishFolders(const RunContext& run);
// Removes a folder only when it is empty.
void RemoveFolder(const std::string& path);
void RemoveFile(const std::string& path);
// The text after the last separator, the whole path when it has none, empty for a root.
std::string LastPathPart(const std::string& path);

} // namespace orvane
