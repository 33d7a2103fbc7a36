#include "cli/CliArguments.h"

#include "platform/PathRules.h"

#include <algorithm>

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

namespace {

// One example: the command, and from the 34th column on what it does.
std::string example(const std::string& command, const std::string& meaning) {
    const std::string left = "  orvane-cli " + command;
    return left + std::string(std::max<std::size_t>(1, 33 - left.size()), ' ') + meaning + "\n";
}

} // namespace

std::string UsageText(const std::string& logsFolder) {
    // In the system's own path terms: its separator and a folder as its users name one.
    const auto& paths = platform::nativePathRules;
    const std::string backup = platform::exampleDestination;
    return "usage: orvane-cli [--move] [--direct] SOURCE DESTINATION\n"
           "       orvane-cli --help | --version\n"
           "\n"
           "Copies the folder SOURCE into a folder of the same name inside DESTINATION:\n" +
           example("photos " + backup, "copies photos into " + paths.join(backup, "photos")) +
           example(". " + backup, "copies the current folder, under its own name") +
           "  (\".\" and \"..\" in SOURCE are resolved first and name the folders they mean)\n"
           "A separator at the end of SOURCE means the folder's contents: they go into\n"
           "DESTINATION itself, with no folder of its name (as with rsync):\n" +
           example("photos" + std::string(1, paths.separator()) + " " + backup,
                   "copies what is in photos into " + backup) +
           "\n"
           "  --move     delete each source file once its copy is complete and on disk\n"
           "  --direct   copy while walking the tree, without surveying it first\n"
           "Every log line goes to standard output; the log is appended to a file per day in\n"
           "  " +
           logsFolder +
           "\n"
           "Standard error gets the summary and, for each file or folder not done, its path\n"
           "and the reason. Ctrl+C stops the run. Exit status: 0 every file copied or skipped\n"
           "(and with --move, its source deleted), 1 a file not copied or a source kept, a\n"
           "folder not made or not read, or the run stopped, 2 a path error, 64 a usage error\n"
           "(an empty SOURCE or DESTINATION is one).\n";
}

} // namespace orvane::cli
