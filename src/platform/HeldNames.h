#pragma once

#include "platform/DestinationTree.h"

#include <map>
#include <set>
#include <string>
#include <unordered_set>

namespace orvane::platform {

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
// since the listing are found.
class HeldNames {
public:
    // True when every folder below the root down to the entry, and the entry, is listed by
    // its folder under exactly its name. False when one is held under another spelling only,
    // or a listing cannot be read to the end.
    bool holdsExactly(const TreePath& entry);
    void clear() {
        listings_.clear();
        folders_.clear();
    }

private:
    bool listed(const TreePath& entry);
    const std::unordered_set<std::string>* readListing(const TreePath& entry);

    std::map<std::string, std::unordered_set<std::string>> listings_;
    std::set<std::string> folders_;
};

} // namespace orvane::platform
