#pragma once

#include <optional>

namespace orvane::platform {

// SIGTERM, SIGINT and SIGHUP (a desktop ending its session, a terminal's Ctrl+C or hang-up)
// turned into bytes on a pipe, for a program whose event loop watches the pipe's read end.
// A signal handler may do almost nothing, so it only writes the signal's number there.
// POSIX only: a Windows window program learns of the session's end from its window messages.
//
// One instance at a time; the destructor puts the previous handlers back.
class UnloadSignalPipe final {
public:
    UnloadSignalPipe();
    ~UnloadSignalPipe();
    UnloadSignalPipe(const UnloadSignalPipe&) = delete;
    UnloadSignalPipe& operator=(const UnloadSignalPipe&) = delete;

    // -1 when no pipe could be made: the signals then keep their default action, and the
    // program ends at once.
    int readEnd() const { return pipe_[0]; }
    // The number of a signal that arrived, if one waits in the pipe.
    std::optional<int> takeSignal();

private:
    int pipe_[2] = {-1, -1};
};

} // namespace orvane::platform
