#pragma once

namespace orvane::platform {

// The kinds of failure that code above the platform tells apart. Every other failure is told
// to the user by its text only, so it needs no kind of its own.
enum class ErrorKind {
    None,
    // The entry, or a folder on its path, is not there.
    NotFound,
    // Another entry stands at the name: a destination taken by someone else meanwhile.
    Exists,
    // The entry, as the system opened it, lies outside the folder it was named in: a link
    // that the system followed although it was asked not to (Wine shows a link to a file as
    // the file itself). Found by the program, not reported by the system.
    Elsewhere,
    // The entry is no longer the file that was checked before it was to be deleted. Found by
    // the program too.
    Changed,
    Other,
};

// A failure as the system reported it: its kind, and the system's own number for it (errno on
// POSIX, GetLastError on Windows). Only the platform reads meaning into the number: errorText
// gives its text, and the run's closing "Err " line shows it as it stands.
class SystemError {
public:
    SystemError() = default;
    SystemError(ErrorKind kind, int code) : kind_(kind), code_(code) {}

    ErrorKind kind() const { return kind_; }
    int code() const { return code_; }
    // True for a failure, false for none.
    explicit operator bool() const { return kind_ != ErrorKind::None; }

private:
    ErrorKind kind_ = ErrorKind::None;
    int code_ = 0;
};

} // namespace orvane::platform
