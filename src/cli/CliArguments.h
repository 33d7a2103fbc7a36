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
    "Copies the folder SOURCE into a folder of the same name inside DESTINATION:\n"
    "  orvane-cli photos /backup      copies photos into /backup/photos\n"
    "  orvane-cli . /backup           copies the current folder, under its own name\n"
    "  (\".\" and \"..\" in SOURCE are resolved first and name the folders they mean)\n"
    "A separator at the end of SOURCE means the folder's contents: they go into\n"
    "DESTINATION itself, with no folder of its name (as with rsync):\n"
    "  orvane-cli photos/ /backup     copies what is in photos into /backup\n"
    "\n"
    "  --move     delete each source file once its copy is complete and on disk\n"
    "  --direct   copy while walking the tree, without surveying it first\n"
    "Every log line goes to standard output; the log is appended to logs/ beside the\n"
    "program. Standard error gets the summary and, for each file or folder not done, its\n"
    "path and the reason. Ctrl+C stops the run. Exit status: 0 every file copied or\n"
    "skipped (and with --move, its source deleted), 1 a file not copied or a source kept,\n"
    "a folder not made or not read, or the run stopped, 2 a path error, 64 a usage error\n"
    "(an empty SOURCE or DESTINATION is one).\n";

} // namespace orvane::cli
