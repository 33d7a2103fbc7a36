#pragma once

// Shared by the platform's own sources only: it hands out file descriptors.

#include "platform/DestinationTree.h"
#include "platform/PosixFile.h"

#include <optional>
#include <string>

namespace orvane::platform {

// The folder that holds a tree path's last part, opened for the *at calls, and that part.
struct OpenedParent {
    FileDescriptor folder;
    std::string name;
    // The folder's own path, for the event hook and the log.
    std::string folderPath;
    // The entry is the tree's root, which may be a link to a folder.
    bool isRoot = false;
};

// Opens the folder that holds the entry. The root is opened as its path says; every folder
// below it must be a real folder (ELOOP or ENOTDIR for a link or a file in the way, EXDEV
// for a path that leaves the tree). Paths longer than the system's path limit are followed
// folder by folder. Empty with errno set when it cannot be opened.
std::optional<OpenedParent> openTreeParent(const TreePath& entry);

} // namespace orvane::platform
