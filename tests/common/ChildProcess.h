#pragma once

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "common/TempFolder.h"

#include <csignal>
#include <cstdlib>
#include <optional>
#include <utility>
#include <vector>

namespace orvane::test {

// Environment variables to change for a child: a value sets the variable, nullopt unsets it.
using EnvironmentChanges = std::vector<std::pair<std::string, std::optional<std::string>>>;

// A program started with its standard output and error sent to files, so that a test can
// signal it while it runs and read everything it wrote afterwards.
class ChildProcess {
public:
    ChildProcess(const std::string& program, const std::vector<std::string>& arguments,
                 const std::string& outputFile, const std::string& errorFile,
                 const EnvironmentChanges& environment = {})
        : outputFile_(outputFile), errorFile_(errorFile) {
        pid_ = ::fork();
        if (pid_ < 0) {
            throw std::runtime_error("fork failed");
        }
        if (pid_ == 0) {
            redirect(outputFile, STDOUT_FILENO);
            redirect(errorFile, STDERR_FILENO);
            for (const auto& [name, value] : environment) {
                value ? ::setenv(name.c_str(), value->c_str(), 1) : ::unsetenv(name.c_str());
            }
            std::vector<char*> argv{const_cast<char*>(program.c_str())};
            for (const auto& argument : arguments) {
                argv.push_back(const_cast<char*>(argument.c_str()));
            }
            argv.push_back(nullptr);
            ::execv(program.c_str(), argv.data());
            ::_exit(127);
        }
    }
    ~ChildProcess() {
        if (!waited_) {
            ::kill(pid_, SIGKILL);
            wait();
        }
    }

    void signal(int number) const { ::kill(pid_, number); }

    // The exit status, or 128 + the signal that ended it.
    int wait() {
        int status = 0;
        ::waitpid(pid_, &status, 0);
        waited_ = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }

    // True while the program holds a file open below the folder, an unnamed one included:
    // the way to see a copy under way that leaves no name behind.
    bool holdsFileIn(const std::string& folder) const {
        std::error_code ignored;
        const std::string fds = "/proc/" + std::to_string(pid_) + "/fd";
        for (const auto& fd : std::filesystem::directory_iterator(fds, ignored)) {
            if (std::filesystem::read_symlink(fd.path(), ignored)
                    .string()
                    .starts_with(folder + "/")) {
                return true;
            }
        }
        return false;
    }

    std::string output() const { return readFile(outputFile_); }
    std::string errors() const { return readFile(errorFile_); }

private:
    static void redirect(const std::string& file, int target) {
        const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(fd, target);
        ::close(fd);
    }

    pid_t pid_ = -1;
    bool waited_ = false;
    std::string outputFile_, errorFile_;
};

} // namespace orvane::test
