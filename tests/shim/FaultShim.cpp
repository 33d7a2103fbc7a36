// Preloaded into a program under test (LD_PRELOAD) to make failures the kernel will not
// produce on demand. Each fault is switched on by environment variables:
//
//   ORVANE_FAULT_WRITE_PATH, ORVANE_FAULT_WRITE_BYTES: writes to files whose path holds the
//   text take that many bytes in all (the write that reaches the limit is cut short there);
//   every later one fails with ENOSPC, as a disk that fills up half-way through a save.

#include <dlfcn.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

using WriteCall = ssize_t (*)(int, const void*, size_t);

long long writeAllowance = -1;

bool writesToFaultyFile(int fd) {
    const char* text = std::getenv("ORVANE_FAULT_WRITE_PATH");
    if (text == nullptr || *text == '\0') {
        return false;
    }
    char link[64];
    char path[4096];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t length = ::readlink(link, path, sizeof path - 1);
    if (length <= 0) {
        return false;
    }
    path[length] = '\0';
    return std::strstr(path, text) != nullptr;
}

} // namespace

extern "C" ssize_t write(int fd, const void* bytes, size_t size) {
    static const auto next = reinterpret_cast<WriteCall>(::dlsym(RTLD_NEXT, "write"));
    if (!writesToFaultyFile(fd)) {
        return next(fd, bytes, size);
    }
    if (writeAllowance < 0) {
        const char* limit = std::getenv("ORVANE_FAULT_WRITE_BYTES");
        writeAllowance = limit == nullptr ? 0 : std::atoll(limit);
    }
    if (writeAllowance == 0) {
        errno = ENOSPC;
        return -1;
    }
    const size_t allowed =
        size < static_cast<size_t>(writeAllowance) ? size : static_cast<size_t>(writeAllowance);
    const ssize_t written = next(fd, bytes, allowed);
    if (written > 0) {
        writeAllowance -= written;
    }
    return written;
}
