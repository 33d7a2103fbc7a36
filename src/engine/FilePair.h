#pragma once

#include <string>

namespace orvane {

// The unit of work of the per-file step and of the one-file copy.
struct FilePair {
    std::string source;
    std::string destination;
};

} // namespace orvane
