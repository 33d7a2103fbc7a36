#include "platform/windows/KeptPartial.h"

#include "platform/DestinationTree.h"
#include "platform/Directory.h"
#include "platform/PathRules.h"
#include "platform/windows/TreeParent.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace orvane::platform {

namespace {

constexpr DWORD kOwnAccess = GENERIC_READ | GENERIC_WRITE | DELETE;

bool isPlainFile(HANDLE file) {
    const auto identity = identityOfHandle(file);
    return identity && identity->kind == EntryKind::File;
}

// A partial or a record, held without sharing: not open when another run holds it, when
// nothing stands there (ERROR_FILE_NOT_FOUND in `error`), or when what stands there is no
// plain file (a link is never followed).
Handle openHeld(const std::string& path, DWORD disposition, DWORD& error) {
    Handle file(::CreateFileW(systemPath(path).c_str(), kOwnAccess, 0, nullptr, disposition,
                              FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    error = file.isOpen() ? ERROR_SUCCESS : ::GetLastError();
    if (file.isOpen() && !isPlainFile(file.get())) {
        error = kNotRegularFile;
        file.reset();
    }
    return file;
}

OVERLAPPED at(std::int64_t offset) {
    OVERLAPPED position{};
    position.Offset = static_cast<DWORD>(offset);
    position.OffsetHigh = static_cast<DWORD>(static_cast<std::uint64_t>(offset) >> 32);
    return position;
}

bool writeAt(HANDLE file, std::int64_t offset, std::string_view bytes) {
    OVERLAPPED position = at(offset);
    DWORD written = 0;
    return ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, &position) &&
           written == bytes.size();
}

PartialRecord readRecord(HANDLE record) {
    std::string text(kPartialRecordBytes + 1, '\0');
    const long long got = readAt(record, 0, text.data(), static_cast<DWORD>(text.size()));
    text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return parsePartialRecord(text);
}

// The partial's bytes from `from` to `to` are the source's there.
bool sameBytes(HANDLE partial, HANDLE source, std::int64_t from, std::int64_t to) {
    constexpr DWORD piece = 256 * 1024;
    std::vector<char> kept(piece);
    std::vector<char> original(piece);
    for (std::int64_t offset = from; offset < to; offset += piece) {
        const auto count = static_cast<DWORD>(std::min<std::int64_t>(piece, to - offset));
        if (readAt(partial, offset, kept.data(), count) != count ||
            readAt(source, offset, original.data(), count) != count ||
            std::memcmp(kept.data(), original.data(), count) != 0) {
            return false;
        }
    }
    return true;
}

bool deleteThrough(HANDLE file) {
    FILE_DISPOSITION_INFO disposition{TRUE};
    return ::SetFileInformationByHandle(file, FileDispositionInfo, &disposition,
                                        sizeof disposition) != 0;
}

std::int64_t sizeOf(HANDLE file) {
    LARGE_INTEGER size{};
    return ::GetFileSizeEx(file, &size) ? size.QuadPart : -1;
}

bool cutBackTo(HANDLE file, std::int64_t length) {
    FILE_END_OF_FILE_INFO end{};
    end.EndOfFile.QuadPart = length;
    return ::SetFileInformationByHandle(file, FileEndOfFileInfo, &end, sizeof end) != 0;
}

bool seekTo(HANDLE file, std::int64_t offset) {
    LARGE_INTEGER position{};
    position.QuadPart = offset;
    return ::SetFilePointerEx(file, position, nullptr, FILE_BEGIN) != 0;
}

// Deletes the partial at the path when it is a plain file nobody holds.
void deletePartial(const std::string& path) {
    DWORD error = 0;
    const Handle partial = openHeld(path, OPEN_EXISTING, error);
    if (partial.isOpen()) {
        deleteThrough(partial.get());
    }
}

std::optional<FolderIdentity> folderIdentityOf(const std::string& path) {
    const Handle folder = openEntry(path);
    const auto identity = folder.isOpen() ? identityOfHandle(folder.get()) : std::nullopt;
    if (!identity || identity->kind != EntryKind::Other) {
        return std::nullopt;
    }
    return FolderIdentity{identity->device, identity->inode};
}

// The record, held, names this source folder, and the source of its name there is gone or no
// longer the file it was cut from.
bool stale(HANDLE record, const std::string& sourceFolder, const FolderIdentity& folder,
           const std::string& sourceName) {
    const PartialRecord found = readRecord(record);
    if (!found.madeIn(folder)) {
        return false;
    }
    const Handle source = openEntry(nativePathRules.join(sourceFolder, sourceName));
    if (!source.isOpen()) {
        return ::GetLastError() == ERROR_FILE_NOT_FOUND;
    }
    const auto now = identityOfHandle(source.get());
    return now && (now->kind != EntryKind::File || !found.cutFrom(*now));
}

} // namespace

long long readAt(HANDLE file, std::int64_t offset, char* buffer, DWORD size) {
    DWORD filled = 0;
    while (filled < size) {
        OVERLAPPED position = at(offset + filled);
        DWORD got = 0;
        if (!::ReadFile(file, buffer + filled, size - filled, &got, &position)) {
            return ::GetLastError() == ERROR_HANDLE_EOF ? filled : -1;
        }
        if (got == 0) {
            break;
        }
        filled += got;
    }
    return filled;
}

void removeStalePartials(const TreePath& folder, const std::string& sourceFolder) {
    const auto sourceIdentity = folderIdentityOf(sourceFolder);
    if (!sourceIdentity || !treeParentPath({folder.root, nativePathRules.join(folder.path, "-")})) {
        return;
    }
    DirectoryReader listing(folder.path);
    while (const auto entry = listing.next()) {
        const std::string destinationName = recordedName(entry->name);
        DWORD error = 0;
        const Handle record =
            destinationName.empty()
                ? Handle()
                : openHeld(nativePathRules.join(folder.path, entry->name), OPEN_EXISTING, error);
        if (record.isOpen() &&
            stale(record.get(), sourceFolder, *sourceIdentity, destinationName)) {
            deletePartial(nativePathRules.join(folder.path, partialNameOf(destinationName)));
            deleteThrough(record.get());
        }
    }
}

std::int64_t keptPartialBytes(const TreePath& entry, const FolderIdentity& sourceFolder) {
    const auto folder = treeParentPath(entry);
    if (!folder) {
        return 0;
    }
    const std::string name = nativePathRules.lastPart(entry.path);
    const Handle record(::CreateFileW(
        systemPath(nativePathRules.join(*folder, recordNameOf(name))).c_str(), GENERIC_READ,
        kShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    // Only a partial the copy will continue or remove gives its space back.
    if (!record.isOpen() || !readRecord(record.get()).madeIn(sourceFolder)) {
        return 0;
    }
    const Handle partial = openEntry(nativePathRules.join(*folder, partialNameOf(name)));
    FILE_STANDARD_INFO standard{};
    if (!partial.isOpen() || !isPlainFile(partial.get()) ||
        !::GetFileInformationByHandleEx(partial.get(), FileStandardInfo, &standard,
                                        sizeof standard)) {
        return 0;
    }
    return standard.AllocationSize.QuadPart;
}

KeptPartial::KeptPartial(std::string partialPath, Handle record, FolderIdentity sourceFolder,
                         FileIdentity source)
    : partialPath_(std::move(partialPath)), record_(std::move(record)), sourceFolder_(sourceFolder),
      source_(source) {}

std::optional<KeptPartial> KeptPartial::take(const std::string& destination, HANDLE source,
                                             const FileIdentity& sourceInfo,
                                             const FolderIdentity& sourceFolder) {
    const std::string folder = folderOf(destination);
    const std::string name = nativePathRules.lastPart(destination);
    const std::string recordPath = nativePathRules.join(folder, recordNameOf(name));
    DWORD error = 0;
    Handle record = openHeld(recordPath, OPEN_EXISTING, error);
    const bool made = !record.isOpen() && error == ERROR_FILE_NOT_FOUND;
    if (made) {
        record = openHeld(recordPath, CREATE_NEW, error);
    }
    // Another run holds it, or it is no file: it is left alone, and this copy goes without it.
    if (!record.isOpen()) {
        return std::nullopt;
    }
    KeptPartial kept(nativePathRules.join(folder, partialNameOf(name)), std::move(record),
                     sourceFolder, sourceInfo);
    const PartialRecord found = made ? PartialRecord{} : readRecord(kept.record_.get());
    if (!made && !found.madeIn(sourceFolder)) {
        // Not provably this program's partial of this source: a user's file that merely has
        // a record's name, a record torn by a crash, or the partial of another source that
        // came here as a file of this run's source. Never touched.
        return std::nullopt;
    }
    if (!made && found.cutFrom(sourceInfo) &&
        (kept.continueFrom(source, found.length, found.flushed) ||
         (found.flushed < found.length &&
          kept.continueFrom(source, found.flushed, found.flushed)))) {
        return kept;
    }
    // Its record names this source's folder, so the partial is this program's copy of the
    // entry of this name there, which has changed since or is another file now.
    if (!made) {
        deletePartial(kept.partialPath_);
    }
    if (!kept.startAfresh()) {
        // What it made (a partial only when it holds none of the source yet) goes with it.
        if (kept.file_.isOpen()) {
            deleteThrough(kept.file_.get());
        }
        kept.forget();
        return std::nullopt;
    }
    return kept;
}

bool KeptPartial::startAfresh() {
    resumed_ = 0;
    flushed_ = 0;
    // Exclusive: an entry found under the name without a record is not this program's.
    DWORD error = 0;
    file_ = openHeld(partialPath_, CREATE_NEW, error);
    return file_.isOpen() && record(0) && ::FlushFileBuffers(record_.get());
}

bool KeptPartial::continueFrom(HANDLE source, std::int64_t length, std::int64_t flushed) {
    DWORD error = 0;
    Handle file = openHeld(partialPath_, OPEN_EXISTING, error);
    const std::int64_t size = file.isOpen() ? sizeOf(file.get()) : -1;
    if (length == 0 || size < length || length > source_.size ||
        !sameBytes(file.get(), source, trustedWithoutReading(length, flushed), length) ||
        // Past the recorded part the bytes may never have reached the disk.
        (size > length && !cutBackTo(file.get(), length)) || !seekTo(file.get(), length)) {
        return false;
    }
    file_ = std::move(file);
    resumed_ = length;
    flushed_ = std::min(flushed, length);
    return true;
}

bool KeptPartial::record(std::int64_t length) {
    return writeAt(record_.get(), 0, partialRecordText(sourceFolder_, source_, length, flushed_));
}

bool KeptPartial::keep(HANDLE partial, std::int64_t length) {
    if (!::FlushFileBuffers(partial)) {
        return false;
    }
    flushed_ = length;
    return record(length) && ::FlushFileBuffers(record_.get());
}

void KeptPartial::forget() {
    if (record_.isOpen()) {
        deleteThrough(record_.get());
        record_.reset();
    }
}

} // namespace orvane::platform
