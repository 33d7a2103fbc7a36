// Counts the heap allocations of a program started with this library in LD_PRELOAD (malloc,
// calloc and realloc; operator new allocates through malloc), and at its end writes the count
// to the file that ORVANE_ALLOCATIONS_FILE names. The allocations are glibc's own.

#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* block, std::size_t size);
}

namespace {

unsigned long allocations = 0;

// At the program's end, written with plain calls: the heap is not touched any more.
__attribute__((destructor)) void writeCount() {
    const char* path = std::getenv("ORVANE_ALLOCATIONS_FILE");
    const int file = path ? ::open(path, O_WRONLY | O_CREAT | O_TRUNC, 0600) : -1;
    if (file >= 0) {
        char text[32];
        const int length = std::snprintf(text, sizeof text, "%lu\n", allocations);
        static_cast<void>(::write(file, text, static_cast<std::size_t>(length)));
        ::close(file);
    }
}

} // namespace

extern "C" {

void* malloc(std::size_t size) {
    ++allocations;
    return __libc_malloc(size);
}

void* calloc(std::size_t count, std::size_t size) {
    ++allocations;
    return __libc_calloc(count, size);
}

void* realloc(void* block, std::size_t size) {
    ++allocations;
    return __libc_realloc(block, size);
}

} // extern "C"
