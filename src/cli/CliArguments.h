#pragma once

#include <string>
#include <vector>

namespace orvane::cli {

// What the command line asks for.
struct CliArguments {
    enum class Action { Run, Help, Version, UsageError };
    Action action = Action::UsageError;
    bool move = false;
    bool direct = false;
    std::string source;
    std::string destination;
    std::string problem; // for a usage error
};

CliArguments ParseArguments(const std::vector<std::string>& arguments);

inline constexpr const char* kUsage =
    "usage: orvane-cli [--move] [--direct] SOURCE DESTINATION\n"
    "       orvane-cli --help | --version\n"
    "\n"
    "Copies the folder SOURCE into a folder of the same name inside DESTINATION.\n"
    "  --move     delete each source file once its copy is complete and on disk\n"
    "  --direct   copy while walking the tree, without surveying it first\n"
    "Every log line goes to standard output; the log is appended to logs/ beside the\n"
    "program. Ctrl+C stops the run. Exit status: 0 all copied or skipped, 1 a file was\n"
    "not copied or the run was stopped, 2 a path error, 64 a usage error.\n";

} // namespace orvane::cli
