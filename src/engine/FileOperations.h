#pragma once

#include "engine/RunContext.h"

#include <string>

namespace orvane {

// The single-step operations of the engine. Failures are swallowed: the creating call says
// whether it worked, the removing call says nothing, and the steps that use them log the
// outcome themselves. A destination file is never deleted ahead of its copy: the copy
// replaces it when complete (see PlaceFile).

bool FolderExists(const std::string& path);
// True for an existing entry that is not a folder.
bool FileExists(const std::string& path);
// Removes a folder only when it is empty.
void RemoveFolder(const std::string& path);
// The text after the last separator, the whole path when it has none, empty for a root.
std::string LastPathPart(const std::string& path);

} // namespace orvane
