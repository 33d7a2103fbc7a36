#pragma once

// Shared by the Windows platform sources only.

#include "platform/DestinationTree.h"

#include <optional>
#include <string>

namespace orvane::platform {

// The path of the folder that holds a tree path's last part, when every folder from the root
// down to it is a real folder: a linked folder (a reparse point) below the root is an entry
// in the way, never a folder to pass through. The root itself is taken as its path says.
// Empty with the error set (ERROR_PATH_NOT_FOUND for a link or a file in the way) otherwise.
//
// Unlike the POSIX side, which holds each folder open while it works below it, this looks
// and then acts: a folder swapped for a link between the two is not caught.
std::optional<std::string> treeParentPath(const TreePath& entry);

// The entry itself: the root as its path says, anything below it without following a link.
std::optional<FileIdentity> treeEntryIdentity(const TreePath& entry);

} // namespace orvane::platform
