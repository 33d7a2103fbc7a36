// Faults the kernel will not produce on demand, injected into a program started with this
// library in LD_PRELOAD. Off unless its variable is set:
//
//   ORVANE_FAULT_READDIR_EIO_AFTER=N  every folder listing breaks off with EIO after N entries.

#include <dirent.h>
#include <dlfcn.h>

#include <array>
#include <cerrno>
#include <cstdlib>

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

} // extern "C"
