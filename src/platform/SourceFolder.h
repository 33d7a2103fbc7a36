#pragma once

#include "platform/FileIdentity.h"
#include "platform/SystemError.h"
#include "platform/SystemHandle.h"

#include <cstdint>
#include <optional>
#include <string>

namespace orvane::platform {

// Which folder a source folder was when the run listed it: as in FileIdentity, the volume and
// the folder's number on it.
struct FolderIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;

    bool operator==(const FolderIdentity& other) const = default;
};

// A source folder held open while the run works in it. Its entries are examined, read,
// compared and deleted relative to the open folder, never through its path again: a link or
// another folder put in its place (or in the place of a folder above it) after it was listed
// is never acted on.
class SourceFolder {
public:
    // The run's top folder, reached as its path says (it may itself be a link to a folder).
    explicit SourceFolder(const std::string& path);
    // A sub-folder, opened relative to its parent and never through a link.
    SourceFolder(const SourceFolder& parent, const std::string& name);
    ~SourceFolder();
    SourceFolder(SourceFolder&& other) noexcept;
    SourceFolder& operator=(SourceFolder&& other) noexcept;
    SourceFolder(const SourceFolder&) = delete;
    SourceFolder& operator=(const SourceFolder&) = delete;

    // False when the folder could not be opened; every entry operation then fails.
    bool isOpen() const { return handle_.isValid(); }
    // Why the folder could not be opened; no error when it was.
    SystemError openError() const { return openError_; }
    FolderIdentity identity() const { return identity_; }

    // The entry itself, a link never followed; empty when it cannot be examined.
    std::optional<FileIdentity> identityOf(const std::string& name) const;
    // True when the folder holds no entry of that name any more; false when it does, or when
    // that cannot be told.
    bool lacks(const std::string& name) const;
    // Byte-for-byte comparison of the entry with another file, as contentsEqual does.
    std::optional<bool> contentsEqual(const std::string& name, const std::string& other) const;
    // Adds the owner's write bit to the entry; false for a link, or when the system refuses.
    bool makeOwnerWritable(const std::string& name) const;
    // Deletes the entry: no error when done, otherwise why not. `path` names it for the event
    // hook. The entry is checked to still be `expected` (itself and its size, and on Windows
    // its write time) after the caller's own check, as closely before the deletion as the
    // system allows, so a file put in its place since is kept (an error of the kind Changed). An
    // entry that the system shows in the folder but that lies elsewhere (a link it follows unasked)
    // is kept too (the kind Elsewhere).
    SystemError deleteFile(const std::string& name, const std::string& path,
                           const std::optional<FileIdentity>& expected) const;

    // For the platform's own calls, which open the entries relative to it.
    SystemHandle handle() const { return handle_; }

private:
    void takeIdentity();

    SystemHandle handle_;
    SystemError openError_;
    FolderIdentity identity_;
};

// Removes an empty folder, but only while the path still leads to the folder the run listed
// there (a link in its place is not followed). False when it was not removed.
bool removeListedFolder(const std::string& path, const FolderIdentity& listed);

} // namespace orvane::platform
