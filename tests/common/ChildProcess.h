#pragma once

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "common/TempFolder.h"

#include <csignal>
#include <cstdlib>
#include <optional>
#include <sched.h>
#include <utility>
#include <vector>

namespace orvane::test {

// Environment variables to change for a child: a value sets the variable, nullopt unsets it.
using EnvironmentChanges = std::vector<std::pair<std::string, std::optional<std::string>>>;

// A program started with its standard output and error sent to files, so that a test can
// signal it while it runs and read everything it wrote afterwards. With an empty output file
// its standard output is a pipe instead, which the test reads while the program runs.
class ChildProcess {
public:
    // `pipeSize` sets the capacity of the pipe (0 keeps the system's).
    ChildProcess(const std::string& program, const std::vector<std::string>& arguments,
                 const std::string& outputFile, const std::string& errorFile,
                 const EnvironmentChanges& environment = {}, int pipeSize = 0)
        : outputFile_(outputFile), errorFile_(errorFile) {
        int pipeEnds[2] = {-1, -1};
        if (outputFile.empty() && ::pipe2(pipeEnds, O_CLOEXEC) != 0) {
            throw std::runtime_error("pipe failed");
        }
        if (pipeSize > 0) {
            ::fcntl(pipeEnds[0], F_SETPIPE_SZ, pipeSize);
        }
        pid_ = ::fork();
        if (pid_ < 0) {
            throw std::runtime_error("fork failed");
        }
        if (pid_ == 0) {
            if (outputFile.empty()) {
                ::dup2(pipeEnds[1], STDOUT_FILENO);
            } else {
                redirect(outputFile, STDOUT_FILENO);
            }
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
        if (outputFile.empty()) {
            ::close(pipeEnds[1]);
            pipe_ = pipeEnds[0];
        }
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
    // Waits until the program has taken a signal sent to it (none is pending any more), so
    // that a second one is not merged into the first.
    void awaitSignalsTaken() const {
        const std::string status = "/proc/" + std::to_string(pid_) + "/status";
        for (;;) {
            const std::string text = readFile(status);
            const auto pending = text.find("ShdPnd:\t");
            if (text.empty() || pending == std::string::npos ||
                text.compare(pending + 8, 16, "0000000000000000") == 0) {
                return;
            }
            ::sched_yield();
        }
    }
    // True while the program sleeps in a kernel function whose name holds the text
    // ("pipe_write": its output pipe is full and nobody reads it).
    bool sleepingIn(const std::string& kernelFunction) const {
        const std::string wchan = readFile("/proc/" + std::to_string(pid_) + "/wchan");
        return wchan.find(kernelFunction) != std::string::npos;
    }
    // Waits until the program sleeps in the kernel function or has ended; true for the first.
    bool comesToSleepIn(const std::string& kernelFunction) const {
        while (running()) {
            if (sleepingIn(kernelFunction)) {
                return true;
            }
            ::sched_yield();
        }
        return false;
    }
    // True while the program has not ended.
    bool running() const {
        siginfo_t info{};
        return !waited_ &&
               ::waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
               info.si_pid == 0;
    }

    // The exit status, or 128 + the signal that ended it.
    int wait() {
        int status = 0;
        ::waitpid(pid_, &status, 0);
        waited_ = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }

    std::string output() const { return outputFile_.empty() ? piped_ : readFile(outputFile_); }
    std::string errors() const { return readFile(errorFile_); }

private:
    static void redirect(const std::string& file, int target) {
        const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(fd, target);
        ::close(fd);
    }

    pid_t pid_ = -1;
    int pipe_ = -1;
    std::string piped_;
    bool waited_ = false;
    std::string outputFile_, errorFile_;
};

// The built command-line program copied into a scratch folder, so that its logs folder and
// INI file are made beside it; `run` runs it (or another command) to its end.
struct CliProgram {
    CliProgram() { std::filesystem::copy_file(ORVANE_CLI_PATH, program); }
    int run(const std::vector<std::string>& arguments, const EnvironmentChanges& environment = {},
            const std::string& command = {}) {
        ChildProcess child(command.empty() ? program : command, arguments, temp / "out.txt",
                           temp / "err.txt", environment);
        const int status = child.wait();
        output = child.output();
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
