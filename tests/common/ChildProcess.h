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

// A program started with its standard output sent to a pipe the test reads while it runs, and
// its standard error to a file. The pipe is small, so a program nobody reads soon waits in its
// write, the state of a terminal nobody looks at.
class ChildProcess {
public:
    ChildProcess(const std::string& program, const std::vector<std::string>& arguments,
                 const std::string& errorFile, const EnvironmentChanges& environment = {})
        : errorFile_(errorFile) {
        int ends[2] = {-1, -1};
        if (::pipe2(ends, O_CLOEXEC) != 0 || ::fcntl(ends[0], F_SETPIPE_SZ, 4096) < 0 ||
            (pid_ = ::fork()) < 0) {
            throw std::runtime_error("cannot start " + program);
        }
        if (pid_ == 0) {
            ::dup2(ends[1], STDOUT_FILENO);
            ::dup2(::open(errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644),
                   STDERR_FILENO);
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
        ::close(ends[1]);
        pipe_ = ends[0];
    }
    ~ChildProcess() {
        if (!waited_) {
            ::kill(pid_, SIGKILL);
            wait();
        }
        closePipe();
    }

    // Reads the pipe until the text has arrived or the program closed its output; returns
    // everything read so far.
    const std::string& readUntil(const std::string& text) {
        char chunk[4096];
        while (piped_.find(text) == std::string::npos) {
            const ssize_t count = ::read(pipe_, chunk, sizeof chunk);
            if (count <= 0) {
                break;
            }
            piped_.append(chunk, static_cast<std::size_t>(count));
        }
        return piped_;
    }
    const std::string& readToEnd() { return readUntil(std::string(1, '\0')); }
    // Closes the reading end, so the program's next write to its output fails.
    void closePipe() {
        if (pipe_ >= 0) {
            ::close(pipe_);
            pipe_ = -1;
        }
    }

    void signal(int number) const { ::kill(pid_, number); }
    // Waits until the program's file in /proc ("wchan": the kernel function it sleeps in,
    // "status") holds the text; false if the program ended first.
    bool comesToShow(const std::string& file, const std::string& text) const {
        siginfo_t ended{};
        const std::string path = "/proc/" + std::to_string(pid_) + "/" + file;
        while (::waitid(P_PID, static_cast<id_t>(pid_), &ended, WEXITED | WNOHANG | WNOWAIT) == 0 &&
               ended.si_pid == 0) {
            if (readFile(path).find(text) != std::string::npos) {
                return true;
            }
            ::sched_yield();
        }
        return false;
    }
    // The exit status, or 128 + the signal that ended it.
    int wait() {
        int status = 0;
        ::waitpid(pid_, &status, 0);
        waited_ = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }

    std::string errors() const { return readFile(errorFile_); }

private:
    pid_t pid_ = -1;
    int pipe_ = -1;
    std::string piped_;
    bool waited_ = false;
    std::string errorFile_;
};

// The built command-line program copied into a scratch folder, so that its logs folder and
// INI file are made beside it; `run` runs it (or another command) to its end.
struct CliProgram {
    CliProgram() { std::filesystem::copy_file(ORVANE_CLI_PATH, program); }
    int run(const std::vector<std::string>& arguments, const EnvironmentChanges& environment = {},
            const std::string& command = {}) {
        ChildProcess child(command.empty() ? program : command, arguments, temp / "err.txt",
                           environment);
        output = child.readToEnd();
        const int status = child.wait();
        errors = child.errors();
        return status;
    }

    TempFolder temp;
    std::string program = temp.makeFolder("bin") + "/orvane-cli";
    std::string output, errors;
};

// The preloaded fault shim with its settings; it comes before a sanitizer's runtime, which is
// then told not to mind.
inline EnvironmentChanges withFaultShim(EnvironmentChanges faults) {
    const char* asan = std::getenv("ASAN_OPTIONS");
    faults.push_back({"LD_PRELOAD", ORVANE_FAULT_SHIM_PATH});
    faults.push_back({"ASAN_OPTIONS", std::string(asan ? asan : "") + ":verify_asan_link_order=0"});
    return faults;
}

} // namespace orvane::test
