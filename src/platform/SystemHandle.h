#pragma once

#include <cstdint>

namespace orvane::platform {

// A file or folder the system holds open for the program: a file descriptor on POSIX, a HANDLE
// on Windows. Classes of the platform keep one in their private parts; only the platform's
// own calls give it a meaning. It closes nothing: the class that keeps it does.
class SystemHandle {
public:
    SystemHandle() = default;
    explicit SystemHandle(std::intptr_t value) : value_(value) {}

    // Both systems give -1 for none (INVALID_HANDLE_VALUE on Windows).
    bool isValid() const { return value_ != -1; }
    std::intptr_t value() const { return value_; }

private:
    std::intptr_t value_ = -1;
};

} // namespace orvane::platform
