#include "platform/FileIdentity.h"

#include "platform/FileEvents.h"
#include "platform/windows/SystemPath.h"

#include <algorithm>
#include <vector>

namespace orvane::platform {

namespace {

// Large enough that comparing a big file costs few system calls, small enough for two of
// them to be an unremarkable allocation per comparison.
constexpr DWORD compareBufferBytes = 256 * 1024;

// Fills the buffer unless the file ends first; the count read, or -1.
long long readFully(HANDLE file, char* buffer, DWORD size) {
    DWORD filled = 0;
    while (filled < size) {
        DWORD got = 0;
        if (!::ReadFile(file, buffer + filled, size - filled, &got, nullptr)) {
            return -1;
        }
        if (got == 0) {
            break;
        }
        filled += got;
    }
    return filled;
}

std::optional<bool> fileContentsEqual(HANDLE a, HANDLE b) {
    std::vector<char> bufferA(compareBufferBytes);
    std::vector<char> bufferB(compareBufferBytes);
    for (;;) {
        const long long gotA = readFully(a, bufferA.data(), compareBufferBytes);
        const long long gotB = readFully(b, bufferB.data(), compareBufferBytes);
        if (gotA < 0 || gotB < 0) {
            return std::nullopt;
        }
        if (gotA != gotB || !std::equal(bufferA.begin(), bufferA.begin() + gotA, bufferB.begin())) {
            return false;
        }
        if (gotA == 0) {
            return true;
        }
    }
}

} // namespace

std::optional<FileIdentity> identityOf(const std::string& path) {
    const Handle entry = openEntry(path);
    return entry.isOpen() ? identityOfHandle(entry.get()) : std::nullopt;
}

bool sameFile(const std::string& first, const std::string& second) {
    const auto a = identityOf(first);
    const auto b = identityOf(second);
    return a && b && a->device == b->device && a->inode == b->inode;
}

std::optional<bool> contentsEqual(const std::string& first, const std::string& second) {
    const Handle a = openEntry(first, GENERIC_READ);
    const Handle b = openEntry(second, GENERIC_READ);
    const auto infoA = a.isOpen() ? identityOfHandle(a.get()) : std::nullopt;
    const auto infoB = b.isOpen() ? identityOfHandle(b.get()) : std::nullopt;
    // Links are compared as files only with each other, which this layer does not read yet.
    if (!infoA || !infoB || infoA->kind != EntryKind::File || infoB->kind != EntryKind::File) {
        return infoA && infoB && infoA->kind != infoB->kind ? std::optional<bool>(false)
                                                            : std::nullopt;
    }
    if (infoA->size != infoB->size) {
        return false;
    }
    return fileContentsEqual(a.get(), b.get());
}

bool flushToDisk(const std::string& path) {
    const Handle entry = openEntry(path, GENERIC_READ | GENERIC_WRITE);
    const auto identity = entry.isOpen() ? identityOfHandle(entry.get()) : std::nullopt;
    if (!identity || identity->kind == EntryKind::Other) {
        return false;
    }
    // A link holds no data; its entry, like every name a durable copy places, went to the
    // disk with the flush that followed the rename placing it.
    if (identity->kind == EntryKind::File) {
        if (!::FlushFileBuffers(entry.get())) {
            return false;
        }
        noteFileEvent(FileEvent::FileFlushed, path);
    }
    return true;
}

} // namespace orvane::platform
