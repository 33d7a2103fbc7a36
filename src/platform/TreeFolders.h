#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::platform {

class FileDescriptor;

// The folders of a destination tree that one run keeps open while it works in them. A run
// meets the files of a folder one after another; opening the folder again for each of them,
// beneath the root and through no link, cost four system calls a file. A kept folder is
// still used only while its path leads to it: one look at the path, instead of the opening,
// tells a folder renamed, removed or replaced by a link since, and then the path is opened
// again as if for the first time.
//
// A run clears it when it ends, so that no folder of a finished run stays open (a drive
// holding one could not be unmounted).
class TreeFolders {
public:
    TreeFolders();
    ~TreeFolders();
    TreeFolders(const TreeFolders&) = delete;
    TreeFolders& operator=(const TreeFolders&) = delete;

    void clear() { held_.clear(); }

    // What every file this process makes in a kept folder gets from the system: the owner
    // and group (the folder's group where it passes its group on), and the permission bits
    // it keeps of those asked for (the umask or the folder's default ACL take the others).
    // Learnt from the first copy made there, it saves a look at every later one. The
    // folder's own mode and group are what would change it; a look that finds them changed
    // forgets it.
    struct NewFiles {
        bool known = false;
        std::uint32_t owner = 0;
        std::uint32_t group = 0;
        std::uint32_t keptBits = 0; // bits seen kept; others may be kept too
        std::uint32_t folderMode = 0;
        std::uint32_t folderGroup = 0;
    };

    // For the platform's tree operations (see posix/TreeResolve.h).
    struct Held {
        std::string root;
        std::string folder; // below the root, as the tree path gives it
        std::shared_ptr<FileDescriptor> fd;
        // The folder's volume and number on it, as in FileIdentity.
        std::uint64_t device = 0;
        std::uint64_t inode = 0;
        std::shared_ptr<NewFiles> newFiles;
        // The folder's whole path, made once: it is looked at before each of its files.
        std::string path;
    };
    Held* find(std::string_view root, std::string_view folder);
    Held& keep(Held held);
    void forget(const Held& held);

private:
    std::vector<Held> held_;
};

} // namespace orvane::platform
