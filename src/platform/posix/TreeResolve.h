#pragma once

// Shared by the platform's own sources only: it hands out file descriptors.

#include "platform/DestinationTree.h"
#include "platform/TreeFolders.h"
#include "platform/posix/PosixFile.h"

#include <memory>
#include <optional>
#include <string>

namespace orvane::platform {

// A folder's descriptor, owned by one opening or shared with the run's kept folders.
class FolderHandle {
public:
    FolderHandle() = default;
    explicit FolderHandle(int fd) : fd_(std::make_shared<FileDescriptor>(fd)) {}
    explicit FolderHandle(std::shared_ptr<FileDescriptor> kept) : fd_(std::move(kept)) {}

    int get() const { return fd_ ? fd_->get() : -1; }
    bool isOpen() const { return get() >= 0; }

private:
    std::shared_ptr<FileDescriptor> fd_;
};

// The folder that holds a tree path's last part, opened for the *at calls, and that part.
struct OpenedParent {
    FolderHandle folder;
    // The entry is the tree's root, which may be a link to a folder.
    bool isRoot = false;
    // What new files get in this folder, when the run keeps it open.
    std::shared_ptr<TreeFolders::NewFiles> newFiles;
    // Below the root, the last part is the end of the entry's path, which the caller holds:
    // it is used where it stands. The root's own name is copied, without the separators its
    // path may end with.
    const char* nameInPath = nullptr;
    std::string rootName;

    const char* name() const { return nameInPath ? nameInPath : rootName.c_str(); }
};

// How a folder the run keeps open (see TreeFolders) is trusted.
enum class KeptFolder {
    // Only while its path still leads to it: one look at the path.
    Look,
    // Without a look, by a step that follows a look for the same entry at once.
    Trust,
};

// Opens the folder that holds the entry. The root is opened as its path says; every folder
// below it must be a real folder (ELOOP or ENOTDIR for a link or a file in the way, EXDEV
// for a path that leaves the tree). Paths longer than the system's path limit are followed
// folder by folder. Empty with errno set when it cannot be opened. With the entry's `kept`
// folders given, the folder stays open for the run's next entries in it.
std::optional<OpenedParent> openTreeParent(const TreePath& entry,
                                           KeptFolder kept = KeptFolder::Look);

} // namespace orvane::platform
