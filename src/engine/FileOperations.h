#pragma once

#include <string>

namespace orvane {

// The single-step operations of the engine on paths as given. Failures are swallowed: the
// removing call says nothing. Entries of the destination tree go through the platform's
// tree operations instead, which never follow a link below the run's destination folder,
// and a destination file is never deleted ahead of its copy: the copy replaces it when
// complete (see PlaceFile).

bool FolderExists(const std::string& path);
// Removes a folder only when it is empty.
void RemoveFolder(const std::string& path);
// The text after the last separator, the whole path when it has none, empty for a root.
std::string LastPathPart(const std::string& path);

} // namespace orvane
