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

// The usage text, naming the folder that the day's log file is appended to.
std::string UsageText(const std::string& logsFolder);

} // namespace orvane::cli
