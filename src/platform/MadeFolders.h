#pragma once

#include "platform/DestinationTree.h"
#include "platform/SystemError.h"

#include <cstdint>
#include <string>
#include <vector>

namespace orvane::platform {

// The destination folders a run has made, with what their source folders held when they
// were made (a move empties a source folder, which changes its modification time).
//
// A folder is made with owner-only bits, so that neither it nor anything put into it is open
// to other users while it is filled, and so that the run can fill it even when its source is
// read-only. It gets its source's owner, extended attributes, permission bits and times only
// once the run has finished with it, as every entry made inside it changes its modification
// time. Folders that were there before the run are never touched, but for those that a run
// made and never finished, killed before it could: a later run finishes them as its own.
class MadeFolders {
public:
    // Makes one folder level of the destination tree in place of the source folder; the
    // reason when it was not made: it exists already, its parent is missing or cannot be
    // reached without passing through a link, or the system refuses. A source folder that
    // cannot be examined (beyond the path limit) leaves nothing to keep: its copy is made
    // with the default bits.
    SystemError make(const TreePath& destination, const std::string& source);
    // A folder found in place of the source folder: when it is one that a run made and never
    // finished, this run finishes it as one it made itself.
    void adoptUnfinished(const TreePath& destination, const std::string& source);
    // Gives a folder made by this run its source's metadata; nothing for any other folder.
    void finish(const std::string& destination);
    // Finishes every folder still pending, the deepest first, so that a parent that becomes
    // read-only does not keep its children from being finished.
    void finishAll();
    // Forgets every pending folder without touching it.
    void clear() { pending_.clear(); }

    struct Pending {
        // The folder made, as the tree path it was made at.
        std::string root;
        std::string path;
        TreeFolders* kept = nullptr;
        std::string source;
        std::uint64_t device = 0; // of the folder made, so that no other takes its metadata
        std::uint64_t inode = 0;
        // Of the source folder as it was listed, so that no folder or link put in its place
        // gives the copy its attributes.
        std::uint64_t sourceDevice = 0;
        std::uint64_t sourceInode = 0;
        std::uint32_t mode = 0;
        std::uint32_t owner = 0;
        std::uint32_t group = 0;
        std::int64_t accessedNs = 0;
        std::int64_t modifiedNs = 0;
        // Windows only: POSIX systems set no creation time.
        std::int64_t createdNs = 0;

        TreePath destination() const { return {root, path, kept}; }
    };

private:
    std::vector<Pending> pending_;
};

} // namespace orvane::platform
