// Faults the kernel will not produce on demand, injected into a program started with this
// library in LD_PRELOAD. Off unless its variable is set:
//
//   ORVANE_FAULT_READDIR_EIO_AFTER=N  every folder listing breaks off with EIO after N entries.

#include <dirent.h>
#include <dlfcn.h>

#include <cerrno>
#include <cstdlib>
#include <map>

namespace {

long readdirLimit() {
    static const long limit = [] {
        const char* text = std::getenv("ORVANE_FAULT_READDIR_EIO_AFTER");
        return text ? std::strtol(text, nullptr, 10) : -1L;
    }();
    return limit;
}

// The reads made so far of each open listing.
std::map<DIR*, long>& readsOf() {
    static std::map<DIR*, long> reads;
    return reads;
}

template <typename Entry> Entry* countedRead(DIR* stream, const char* name) {
    if (readdirLimit() >= 0 && readsOf()[stream]++ >= readdirLimit()) {
        errno = EIO;
        return nullptr;
    }
    return reinterpret_cast<Entry* (*)(DIR*)>(::dlsym(RTLD_NEXT, name))(stream);
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
    if (readdirLimit() >= 0) {
        readsOf().erase(stream);
    }
    return reinterpret_cast<int (*)(DIR*)>(::dlsym(RTLD_NEXT, "closedir"))(stream);
}

} // extern "C"
