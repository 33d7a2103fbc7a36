#pragma once

#include "platform/SourceFolder.h"
#include "platform/SystemError.h"

#include <memory>
#include <optional>
#include <string>

namespace orvane::platform {

// One entry of a folder listing. A symbolic link is never a folder, so a walk cannot loop.
struct DirectoryEntry {
    std::string name;
    bool isFolder = false;
};

// A folder listing in the system's order, "." and ".." included as the system gives them.
// The stream is closed when the reader goes out of scope.
class DirectoryReader {
public:
    explicit DirectoryReader(const std::string& folder);
    // The entries of a folder held open: no path is resolved, so a tree deeper than the
    // system's path limit is still listed, and what is listed is the folder held.
    explicit DirectoryReader(const SourceFolder& folder);
    // False when the folder could not be opened; the reader then lists nothing.
    bool isOpen() const { return stream_ != nullptr; }
    // Why the folder could not be opened; no error when it was.
    SystemError openError() const { return openError_; }
    // The next entry; empty at the end of the listing, and when it broke off (see readError).
    std::optional<DirectoryEntry> next();
    // Why the listing broke off before its end, or no error: what was listed after a break is
    // not the whole folder.
    SystemError readError() const { return readError_; }

private:
    struct Closer {
        void operator()(void* stream) const;
    };
    std::unique_ptr<void, Closer> stream_;
    SystemError openError_;
    SystemError readError_;
};

} // namespace orvane::platform
