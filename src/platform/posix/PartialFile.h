#pragma once

// Shared by the platform's own sources only: it works on file descriptors.

#include "platform/FileIdentity.h"
#include "platform/posix/PosixFile.h"

#include <sys/types.h>

#include <optional>
#include <string>

namespace orvane::platform {

// The file a copy writes until it is complete, in its destination's folder. It belongs to
// this one copy: where the file system allows it has no name at all (O_TMPFILE), so no other
// run can find, reuse or delete it and a killed run leaves nothing behind; elsewhere it gets
// a name that no entry had, made exclusively. It never takes over, truncates or deletes an
// entry it did not make, so a user's file that looks like one is safe.
class PartialFile {
public:
    // The folder descriptor must stay open, and the name valid, for as long as this object
    // lives.
    PartialFile(int folder, const char* destinationName);
    ~PartialFile();
    PartialFile(const PartialFile&) = delete;
    PartialFile& operator=(const PartialFile&) = delete;

    // False for the rest of the process: every file gets a named temporary (tests only).
    static void allowUnnamed(bool allowed);

    // Each false with errno set. A file without a name is made with the permission bits
    // given (the file system narrows them as for any new file); one with a name is readable
    // by its owner only while it is written, as others could find it.
    bool createFile(mode_t permissions);
    bool createLink(const std::string& target);
    // The named file given, made by this program for this destination (a kept partial),
    // becomes the one written and placed.
    void adopt(std::string name, FileDescriptor file);
    // The file stays where it is, under its name, when this object goes: a kept partial
    // that a later copy continues.
    void keep() { temporaryName_.clear(); }

    // The open file's descriptor (after createFile).
    int fd() const { return file_.get(); }
    // The file has no name yet, and was made with the permission bits asked for.
    bool unnamed() const { return temporaryName_.empty(); }
    // The named temporary of a link (after createLink), for setting its times.
    const std::string& temporaryName() const { return temporaryName_; }

    // Gives the finished entry the destination's name. Without `replaces` the name must still
    // be free; with it, what stands there must still be that entry (same identity, times
    // included), or nothing. EEXIST when the destination is no longer what the caller saw: a
    // concurrent run or the user put something there, and it is not this copy's to replace.
    bool place(const std::optional<FileIdentity>& replaces);

private:
    template <typename Create> bool createUnderUniqueName(Create create);
    bool placeNamed(const std::optional<FileIdentity>& replaces);
    bool placeWithoutReplacing();
    bool closeFile();

    int folder_;
    const char* destinationName_;
    std::string temporaryName_; // empty while the file has no name
    FileDescriptor file_;
};

} // namespace orvane::platform
