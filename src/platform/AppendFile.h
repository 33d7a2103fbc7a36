#pragma once

#include <string>
#include <string_view>

namespace orvane::platform {

// A file opened for appending, created when missing (mode 0666 less the umask) and never
// truncated. The descriptor is closed when the object goes out of scope.
//
// Only the first failure is kept: once opening or a write has failed, later writes do
// nothing, so a caller can write everything and check once at the end.
class AppendFile {
public:
    explicit AppendFile(const std::string& path);
    ~AppendFile();

    AppendFile(const AppendFile&) = delete;
    AppendFile& operator=(const AppendFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    bool failed() const { return error_ != 0; }
    // The system's text for the first failure; empty when there was none.
    std::string failureReason() const;

    // Writes all the bytes, going on after short writes and interruptions. False when the
    // file is not open, an earlier call failed, or this one fails.
    bool write(std::string_view bytes);

    // Closes the file and reports whether everything written since opening went well,
    // the close included (a network file system may report a lost write only here).
    bool close();

private:
    int fd_ = -1;
    int error_ = 0;
};

} // namespace orvane::platform
