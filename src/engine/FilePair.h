#pragma once

#include "platform/SourceFolder.h"

#include <string>
#include <string_view>

namespace orvane {

// The unit of work of the per-file step and of the one-file copy. A run keeps one and fills it
// anew for each file, so that its texts keep their storage from file to file.
struct FilePair {
    std::string source;
    std::string destination;
    // The last part of both paths: the file's name in its source and its destination folder.
    std::string name;
    // The folder the run listed the source in, held open: the source is its entry `name`.
    // Empty when that folder is no longer the one listed.
    const platform::SourceFolder* sourceFolder = nullptr;

    // The paths up to and including their last separator.
    std::string_view sourceFolderPart() const { return withoutName(source); }
    std::string_view destinationFolderPart() const { return withoutName(destination); }

private:
    std::string_view withoutName(std::string_view path) const {
        return path.substr(0, path.size() - name.size());
    }
};

} // namespace orvane
