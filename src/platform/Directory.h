#pragma once

#include <cstdint>
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
    // A sub-folder of an open listing, opened relative to it: no path is resolved, so a tree
    // deeper than the system's path limit is still listed, and a link put in the
    // sub-folder's place is not followed.
    DirectoryReader(const DirectoryReader& parent, const std::string& name);
    // False when the folder could not be opened; the reader then lists nothing.
    bool isOpen() const { return stream_ != nullptr; }
    // The system's error number when the folder could not be opened, else 0.
    int openError() const { return openError_; }
    std::optional<DirectoryEntry> next();
    // The size of an entry of this folder (a link's own size), looked up relative to the
    // open folder: far cheaper than resolving its whole path again, once per file of a tree.
    std::optional<std::int64_t> sizeOf(const std::string& name) const;

private:
    struct Closer {
        void operator()(void* stream) const;
    };
    std::unique_ptr<void, Closer> stream_;
    int openError_ = 0;
};

} // namespace orvane::platform
