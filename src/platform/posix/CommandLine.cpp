#include "platform/CommandLine.h"

namespace orvane::platform {

std::vector<std::string> commandLineArguments(int argc, char** argv) {
    // The bytes as the shell passed them: paths are byte strings on Linux.
    return {argv + 1, argv + argc};
}

} // namespace orvane::platform
