#include "cli/CliArguments.h"

namespace orvane::cli {

CliArguments ParseArguments(const std::vector<std::string>& arguments) {
    CliArguments parsed;
    std::vector<std::string> folders;
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
        if (optionsEnded || !argument.starts_with("-") || argument == "-") {
            folders.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help" || argument == "-h") {
            parsed.action = CliArguments::Action::Help;
            return parsed;
        } else if (argument == "--version") {
            parsed.action = CliArguments::Action::Version;
            return parsed;
        } else if (argument == "--move") {
            parsed.move = true;
        } else if (argument == "--direct") {
            parsed.direct = true;
        } else {
            parsed.problem = "unknown option " + argument;
            return parsed;
        }
    }
    if (folders.size() != 2) {
        parsed.problem = "expected SOURCE and DESTINATION";
        return parsed;
    }
    // The window takes an empty box for the root of the drive; typed on a command line, an
    // empty argument is far more often an unset shell variable than a wish to write at "/".
    if (folders[0].empty() || folders[1].empty()) {
        parsed.problem = "SOURCE and DESTINATION must not be empty";
        return parsed;
    }
    parsed.action = CliArguments::Action::Run;
    parsed.source = folders[0];
    parsed.destination = folders[1];
    return parsed;
}

} // namespace orvane::cli
