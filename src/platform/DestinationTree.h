#pragma once

#include "platform/FileIdentity.h"
#include "platform/SourceFolder.h"
#include "platform/TreeFolders.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvane::platform {

// A path in a run's destination tree. The tree's root is the folder the user chose (with the
// source's name added), reached as its path says, links and all: that is where the user
// pointed. Below the root nothing follows a symbolic link, so no write, rename or deletion
// of a run can land outside its tree (in its own source, say) through a link planted in it;
// a link where a folder should be is an entry in the way, as a file would be.
//
// A tree path names texts its caller holds for the call; a step of every file builds one and
// copies nothing. The path is a whole string: its last part ends where the string does, and is
// handed to the system as it stands.
struct TreePath {
    std::string_view root;
    // The root itself, or a path that begins with the root and a separator.
    const std::string& path;
    // The run's kept folders, or none: then every operation opens the folder anew.
    TreeFolders* kept = nullptr;
};

// A file (anything but a real folder) standing at a tree path, as a copy would replace it.
struct TreeFile {
    FileIdentity identity;
    // The space that replacing it gives back: its allocated blocks, or nothing while
    // another hard link keeps them.
    std::int64_t releasedBytes = 0;
};

// True for a real folder; the root may be a link to one.
bool isTreeFolder(const TreePath& entry);

// Makes one folder level; false (with errno) when the entry exists, its folder is missing
// or cannot be reached without passing through a link, or the system refuses.
bool makeTreeFolder(const TreePath& entry);

// Removes, in a folder of the tree, the partial copies of large files that earlier runs left
// when they copied from `sourceFolder`, and whose source there is gone or is no longer the
// file they were cut from. Partials a running copy holds, partials whose record names another
// source folder (they may have come here as files of the run's source), and entries that are
// not this program's, stay.
void removeStalePartials(const TreePath& folder, const std::string& sourceFolder);

// The space that a partial copy of the entry, kept by an earlier run that read its source in
// `sourceFolder`, holds on its drive: the copy of that source reuses or frees it. 0 when
// there is none.
std::int64_t keptPartialBytes(const TreePath& entry, const FolderIdentity& sourceFolder);

// Empty when nothing stands there, when it is a real folder, or when its folder cannot be
// reached without passing through a link.
std::optional<TreeFile> treeFileAt(const TreePath& entry);

} // namespace orvane::platform
