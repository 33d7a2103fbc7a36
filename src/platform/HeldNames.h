#pragma once

#include "platform/DestinationTree.h"

#include <cstddef>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <unordered_set>

namespace orvane::platform {

// The names a folder lists, looked up by a view of the name asked for, without a copy.
struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const {
        return std::hash<std::string_view>{}(name);
    }
};
using FolderNames = std::unordered_set<std::string, NameHash, std::equal_to<>>;

// Tells whether a destination tree holds an entry under exactly the path asked for. A file
// system that ignores letter case (FAT, exFAT, NTFS mounted so) answers a lookup of
// `notes.txt` with the entry `Notes.txt`, and of `sub/a.txt` with `Sub/a.txt`; only the
// folders' listings show the names the entries are held under. Device and inode cannot tell
// it either: FUSE numbers inodes by the name looked up, so both spellings give different
// numbers for the one entry.
//
// One run keeps the listings of the folders on the path it asked about last, as a run meets
// the files of one folder together, and the folders it found held as named; a name missing
// from a kept listing is looked up in a fresh one before the answer is no, so entries made
// since the listing are found. A folder on a file system that looks names up byte for byte,
// and does not fold case there, needs no listing.
class HeldNames {
public:
    // True when every folder below the root down to the entry, and the entry, is listed by
    // its folder under exactly its name. False when one is held under another spelling only,
    // or a listing cannot be read to the end.
    bool holdsExactly(const TreePath& entry);
    void clear() {
        listings_.clear();
        folders_.clear();
        exact_.clear();
        lastFolder_.clear();
    }

private:
    bool listed(const TreePath& entry);
    bool exactIn(const TreePath& entry);
    const FolderNames* readListing(const TreePath& entry);

    std::map<std::string, FolderNames, std::less<>> listings_;
    std::set<std::string, std::less<>> folders_;
    // Whether each folder asked about finds names only as they are held (see looksUpExactly):
    // such a folder is never listed.
    std::map<std::string, bool, std::less<>> exact_;
    // The folder part of the path asked about last, once every folder of it was found held
    // as named: the next entry of that folder needs only its own name looked up.
    std::string lastFolder_;
    bool lastFolderExact_ = false;
};

} // namespace orvane::platform
