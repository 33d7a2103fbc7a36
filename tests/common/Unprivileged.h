#pragma once

#include <grp.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

namespace orvane::test {

// Root passes every permission check, so a test that needs an unreadable entry runs its
// engine in a forked child that first becomes the unprivileged "nobody".
inline constexpr uid_t nobodyId = 65534;

// Exit codes by which a child says that the machine does not allow the test.
inline constexpr int childCannotDropPrivileges = 77;
inline constexpr int childPermissionsDoNotBind = 78;

// Hands a tree to the unprivileged user, so that only the bits the test clears stand in
// its way. Does nothing when the test does not run as root: the caller owns the tree then.
inline void giveTreeToNobody(const std::string& root) {
    if (::geteuid() != 0) {
        return;
    }
    (void)!::lchown(root.c_str(), nobodyId, nobodyId);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        (void)!::lchown(entry.path().c_str(), nobodyId, nobodyId);
    }
}

struct ChildRun {
    int status = 0;
    std::string output;

    bool exitedWith(int code) const { return WIFEXITED(status) && WEXITSTATUS(status) == code; }
};

// Runs `body` in a forked child without root's privileges; it writes its findings to the
// descriptor it gets, which the parent returns once the child has ended. `locked` is a path
// the child must not be able to open once dropped: if it still can, the child exits with
// childPermissionsDoNotBind instead of running the body.
inline ChildRun runUnprivileged(const std::string& locked, const std::function<void(int)>& body) {
    int channel[2];
    if (::pipe(channel) != 0) {
        return {-1, ""};
    }
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(channel[0]);
        ::close(channel[1]);
        return {-1, ""};
    }
    if (child == 0) {
        ::close(channel[0]);
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setresgid(nobodyId, nobodyId, nobodyId) != 0 ||
             ::setresuid(nobodyId, nobodyId, nobodyId) != 0)) {
            ::_exit(childCannotDropPrivileges);
        }
        if (::access(locked.c_str(), R_OK) == 0) {
            ::_exit(childPermissionsDoNotBind);
        }
        body(channel[1]);
        ::close(channel[1]);
        ::_exit(0);
    }
    ::close(channel[1]);
    ChildRun run;
    char buffer[4096];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;) {
        run.output.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(channel[0]);
    ::waitpid(child, &run.status, 0);
    return run;
}

} // namespace orvane::test
