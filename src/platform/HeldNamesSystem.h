#pragma once

#include "platform/DestinationTree.h"

#include <optional>
#include <string>
#include <unordered_set>

namespace orvane::platform {

// The system calls behind HeldNames; used only inside the platform.

struct FolderAndName {
    std::string folder;
    std::string name;
};

// The folder that holds the entry at this path, as its listings are kept, and the entry's name.
FolderAndName folderAndNameOf(const std::string& path);

// Every name the entry's folder lists; nothing when the folder cannot be reached within the
// tree or its listing breaks off, as such a listing cannot say that a name is missing.
std::optional<std::unordered_set<std::string>> listFolderNames(const TreePath& entry,
                                                               const std::string& folder);

} // namespace orvane::platform
