#include "platform/FileIdentity.h"

#include "platform/FileEvents.h"
#include "platform/FileIdentitySystem.h"
#include "platform/windows/SystemPath.h"

namespace orvane::platform {

namespace {

std::optional<bool> fileContentsEqual(HANDLE a, HANDLE b) {
    const auto reader = [](HANDLE file) {
        return [file](char* buffer, std::size_t size) {
            return readFully(file, buffer, static_cast<DWORD>(size));
        };
    };
    return sameBytesToEnd(reader(a), reader(b));
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
    if (!a.isOpen() || !b.isOpen()) {
        return std::nullopt;
    }
    const auto infoA = identityOfHandle(a.get());
    const auto infoB = identityOfHandle(b.get());
    if (!infoA || !infoB) {
        return std::nullopt;
    }
    // Links are compared as files only with each other, which this layer does not read yet.
    if (infoA->kind != EntryKind::File || infoB->kind != EntryKind::File) {
        return infoA->kind != infoB->kind ? std::optional<bool>(false) : std::nullopt;
    }
    if (infoA->size != infoB->size) {
        return false;
    }
    return fileContentsEqual(a.get(), b.get());
}

namespace {

bool flushFolder(const std::string& folder) {
    const Handle handle = openEntry(folder, GENERIC_READ | GENERIC_WRITE);
    if (!handle.isOpen() || !::FlushFileBuffers(handle.get())) {
        return false;
    }
    noteFileEvent(FileEvent::FolderFlushed, folder);
    return true;
}

} // namespace

bool flushToDisk(const std::string& path) {
    const Handle entry = openEntry(path, GENERIC_READ | GENERIC_WRITE);
    const auto identity = entry.isOpen() ? identityOfHandle(entry.get()) : std::nullopt;
    if (!identity || identity->kind == EntryKind::Other) {
        return false;
    }
    // A link holds no data. The entry may be a leftover of an earlier run or of another
    // program, never written through to the disk: its folder is flushed too.
    if (identity->kind == EntryKind::File) {
        if (!::FlushFileBuffers(entry.get())) {
            return false;
        }
        noteFileEvent(FileEvent::FileFlushed, path);
    }
    return flushFolder(folderOf(path));
}

} // namespace orvane::platform
