#pragma once

#include "platform/SourceFolder.h"

#include <string>

namespace orvane {

// The unit of work of the per-file step and of the one-file copy.
struct FilePair {
    std::string source;
    std::string destination;
    // The folder the run listed the source in, held open: the source is its entry of the
    // source path's last name. Empty when that folder is no longer the one listed.
    const platform::SourceFolder* sourceFolder = nullptr;
};

} // namespace orvane
