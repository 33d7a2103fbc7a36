#pragma once

#include "platform/DestinationTree.h"
#include "platform/HeldNames.h"

#include <optional>
#include <string>
#include <string_view>

namespace orvane::platform {

// The system calls behind HeldNames; used only inside the platform.

struct FolderAndName {
    std::string_view folder;
    std::string_view name;
};

// The folder that holds the entry at this path, as its listings are kept, and the entry's name:
// views into the path (or of a text that lives as long as the program).
FolderAndName folderAndNameOf(std::string_view path);

// Whether the entry's folder finds a name only under the very bytes it is held under: then a
// name found there is held as asked, and its listing need not be read. False where that cannot
// be told.
bool looksUpExactly(const TreePath& entry);

// Every name the entry's folder lists; nothing when the folder cannot be reached within the
// tree or its listing breaks off, as such a listing cannot say that a name is missing.
std::optional<FolderNames> listFolderNames(const TreePath& entry, const std::string& folder);

} // namespace orvane::platform
