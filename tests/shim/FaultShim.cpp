// Faults the kernel will not produce on demand, injected into a program started with this
// library in LD_PRELOAD. Each fault is off unless its variables are set:
//
//   ORVANE_FAULT_READDIR_EIO_AFTER=N  every folder listing breaks off with EIO after N entries.
//   ORVANE_FAULT_WRITE_PATH, ORVANE_FAULT_WRITE_BYTES: writes to files whose path holds the
//   text take that many bytes in all (the write that reaches the limit is cut short there);
//   every later one fails with ENOSPC, as a disk that fills up half-way through a save.

#include <dirent.h>
#include <dlfcn.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

long readdirLimit() {
    static const long limit = [] {
        const char* text = std::getenv("ORVANE_FAULT_READDIR_EIO_AFTER");
        return text ? std::strtol(text, nullptr, 10) : -1L;
    }();
    return limit;
}

// Entries handed out per open listing; the program under test keeps only a few open at once.
struct Listing {
    DIR* stream = nullptr;
    long entries = 0;
};
std::array<Listing, 256> listings;

Listing* listingOf(DIR* stream) {
    Listing* free = nullptr;
    for (auto& listing : listings) {
        if (listing.stream == stream) {
            return &listing;
        }
        if (free == nullptr && listing.stream == nullptr) {
            free = &listing;
        }
    }
    if (free != nullptr) {
        *free = {stream, 0};
    }
    return free;
}

template <typename Entry> Entry* countedRead(DIR* stream, const char* name) {
    using Read = Entry* (*)(DIR*);
    const auto next = reinterpret_cast<Read>(::dlsym(RTLD_NEXT, name));
    Listing* listing = readdirLimit() < 0 ? nullptr : listingOf(stream);
    if (listing != nullptr && listing->entries >= readdirLimit()) {
        errno = EIO;
        return nullptr;
    }
    Entry* entry = next(stream);
    if (entry != nullptr && listing != nullptr) {
        ++listing->entries;
    }
    return entry;
}

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

extern "C" {

dirent* readdir(DIR* stream) {
    return countedRead<dirent>(stream, "readdir");
}

dirent64* readdir64(DIR* stream) {
    return countedRead<dirent64>(stream, "readdir64");
}

int closedir(DIR* stream) {
    using Close = int (*)(DIR*);
    if (Listing* listing = listingOf(stream)) {
        *listing = {};
    }
    return reinterpret_cast<Close>(::dlsym(RTLD_NEXT, "closedir"))(stream);
}

ssize_t write(int fd, const void* bytes, size_t size) {
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

} // extern "C"
