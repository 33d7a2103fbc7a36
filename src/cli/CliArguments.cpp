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
    parsed.action = CliArguments::Action::Run;
    parsed.source = folders[0];
    parsed.destination = folders[1];
    return parsed;
}

std::string UsageText(const std::string& logsFolder) {
    return "usage: orvane-cli [--move] [--direct] SOURCE DESTINATION\n"
           "       orvane-cli --help | --version\n"
           "\n"
           "Copies the folder SOURCE into a folder of the same name inside DESTINATION.\n"
           "  --move     delete each source file once its copy is complete and on disk\n"
           "  --direct   copy while walking the tree, without surveying it first\n"
           "Every log line goes to standard output; the log is appended to a file per day in\n"
           "  " +
           logsFolder +
           "\n"
           "Ctrl+C stops the run. Exit status: 0 all copied or skipped, 1 a file was not\n"
           "copied or the run was stopped, 2 a path error, 64 a usage error.\n";
}

} // namespace orvane::cli
