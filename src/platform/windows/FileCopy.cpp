#include "platform/FileCopy.h"

#include "platform/FileEvents.h"
#include "platform/PathRules.h"
#include "platform/windows/SystemPath.h"
#include "platform/windows/TreeParent.h"

#include <atomic>
#include <vector>

namespace orvane::platform {

namespace {

std::int64_t& chunkBytes() {
    static std::int64_t bytes = copyChunkBytes;
    return bytes;
}

// What a copy keeps of its source's attributes; the rest (compression, encryption, sparse)
// belongs to the volume that holds the copy.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                  FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                  FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

CopyResult ended(CopyOutcome outcome, SystemError error,
                 std::optional<FileIdentity> source = std::nullopt) {
    return CopyResult{outcome, error, source, std::nullopt};
}

// Reads until the buffer is full or the file ends; the count read, or -1.
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

// The copy while it is written: a hidden file of its own in the destination's folder, made
// exclusively under a name no entry had, and deleted again unless it was placed. It is
// never a partial under the destination's name, whatever ends the copy.
class Temporary {
public:
    explicit Temporary(const std::string& destination) {
        static std::atomic<unsigned> serial{0};
        const std::string folder = nativePathRules.folderPart(destination);
        for (int attempt = 0; attempt < 16 && !file_.isOpen(); ++attempt) {
            path_ = folder + "~orvane-" + std::to_string(::GetCurrentProcessId()) + "-" +
                    std::to_string(serial.fetch_add(1)) + ".tmp";
            file_ = Handle(::CreateFileW(
                systemPath(path_).c_str(), GENERIC_READ | GENERIC_WRITE | FILE_WRITE_ATTRIBUTES, 0,
                nullptr, CREATE_NEW, FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
            if (!file_.isOpen() && ::GetLastError() != ERROR_FILE_EXISTS) {
                break;
            }
        }
        error_ = file_.isOpen() ? SystemError{} : lastError();
    }
    ~Temporary() {
        file_.reset();
        if (!placed_ && !path_.empty()) {
            ::DeleteFileW(systemPath(path_).c_str());
        }
    }
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;

    HANDLE get() const { return file_.get(); }
    SystemError error() const { return error_; }
    void close() { file_.reset(); }

    // The name becomes the destination's only while it is free, or while it still holds
    // the entry the caller saw there. For a durable copy the rename goes to the disk before it
    // returns; a plain copy does not wait for the disk, as a plain copy on Linux does not.
    SystemError place(const std::string& destination, const std::optional<FileIdentity>& replaces,
                      bool durable) {
        DWORD flags = durable ? MOVEFILE_WRITE_THROUGH : 0;
        if (replaces) {
            const auto standing = identityOf(destination);
            if (standing && !(*standing == *replaces)) {
                return windowsError(ERROR_FILE_EXISTS);
            }
            flags |= standing ? MOVEFILE_REPLACE_EXISTING : 0;
        }
        if (!::MoveFileExW(systemPath(path_).c_str(), systemPath(destination).c_str(), flags)) {
            const DWORD error = ::GetLastError();
            return windowsError(error == ERROR_ALREADY_EXISTS ? ERROR_FILE_EXISTS : error);
        }
        placed_ = true;
        return {};
    }

private:
    std::string path_;
    Handle file_;
    SystemError error_;
    bool placed_ = false;
};

class Copy {
public:
    Copy(const std::string& source, const std::string& destination, const CopyProgress& progress,
         const std::int32_t& cancelFlag, const CopyOptions& options)
        : source_(options.sourceFolder
                      ? pathIn(*options.sourceFolder, nativePathRules.lastPart(source))
                      : source),
          destination_(destination), progress_(progress), cancelFlag_(cancelFlag),
          options_(options) {}

    CopyResult run() {
        const TreePath entry{options_.root.empty() ? destination_ : options_.root, destination_};
        if (!treeParentPath(entry)) {
            return ended(CopyOutcome::Failed, lastError());
        }
        // The source itself, never through a link.
        const Handle source(::CreateFileW(
            systemPath(source_).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
            OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
        const auto before = source.isOpen() ? identityOfHandle(source.get()) : std::nullopt;
        if (!before) {
            return ended(CopyOutcome::Failed, lastError());
        }
        BY_HANDLE_FILE_INFORMATION info{};
        sourceLinks_ = ::GetFileInformationByHandle(source.get(), &info) ? info.nNumberOfLinks : 1;
        if (before->kind != EntryKind::File) {
            // A link is not copied by this layer yet; a folder is never a file's source.
            return ended(CopyOutcome::SpecialFile, windowsError(ERROR_NOT_SUPPORTED), before);
        }
        if (isRealFolder(attributesOf(destination_))) {
            return ended(CopyOutcome::FolderInTheWay, windowsError(ERROR_DIRECTORY), before);
        }
        if (const auto linked = linkEarlierCopy(*before)) {
            return *linked;
        }
        return copyData(source.get(), *before);
    }

private:
    // A file met again under another name becomes a name of its earlier copy. A hard link
    // never replaces an entry, so whatever stands at the name stays untouched. The name count
    // is not asked here: a move has deleted the names met before, and this may be the last.
    std::optional<CopyResult> linkEarlierCopy(const FileIdentity& before) const {
        const auto earlier =
            options_.hardLinks ? options_.hardLinks->earlierCopy(before) : std::nullopt;
        if (!earlier || !::CreateHardLinkW(systemPath(destination_).c_str(),
                                           systemPath(*earlier).c_str(), nullptr)) {
            return std::nullopt;
        }
        reportWhole(before.size);
        CopyResult result{CopyOutcome::Copied, {}, before, identityOf(destination_)};
        result.copied = before.size;
        return result;
    }

    void reportWhole(std::int64_t size) const {
        progress_(CopyReport{CopyReason::StreamSwitch, size, 0});
        progress_(CopyReport{CopyReason::ChunkFinished, size, size});
    }

    bool cancelled() const { return cancelFlag_ != 0; }

    CopyResult copyData(HANDLE source, const FileIdentity& before) {
        Temporary temporary(destination_);
        if (temporary.error()) {
            return ended(CopyOutcome::Failed, temporary.error(), before);
        }
        progress_(CopyReport{CopyReason::StreamSwitch, before.size, 0});
        if (cancelled()) {
            return ended(CopyOutcome::Cancelled, windowsError(ERROR_OPERATION_ABORTED), before);
        }
        std::vector<char> buffer(static_cast<std::size_t>(chunkBytes()));
        std::int64_t done = 0;
        for (bool last = false; !last;) {
            const auto want = static_cast<DWORD>(std::min(chunkBytes(), before.size - done));
            const long long got = readFully(source, buffer.data(), want);
            if (got < 0 || !writeAll(temporary.get(), std::string_view(buffer.data(), got))) {
                return ended(CopyOutcome::Failed, lastError(), before);
            }
            if (got < want) {
                return ended(CopyOutcome::SourceChanged, windowsError(ERROR_FILE_CHECKED_OUT),
                             before);
            }
            done += got;
            last = done >= before.size;
            progress_(CopyReport{CopyReason::ChunkFinished, before.size, done});
            if (!last && cancelled()) {
                return ended(CopyOutcome::Cancelled, windowsError(ERROR_OPERATION_ABORTED), before);
            }
        }
        // Size, write time and change time: every write moves the last, even one that sets
        // the write time back.
        const auto after = identityOfHandle(source);
        if (!after || !(*after == before)) {
            return ended(CopyOutcome::SourceChanged, windowsError(ERROR_FILE_CHECKED_OUT), before);
        }
        if (const SystemError failed = finishFile(source, temporary.get())) {
            return ended(CopyOutcome::Failed, failed, before);
        }
        temporary.close();
        if (options_.abandonBeforePlacing != nullptr && *options_.abandonBeforePlacing) {
            return ended(CopyOutcome::Cancelled, windowsError(ERROR_OPERATION_ABORTED), before);
        }
        if (const SystemError refused =
                temporary.place(destination_, options_.replaces, options_.durable)) {
            return ended(CopyOutcome::Failed, refused, before);
        }
        if (options_.durable) {
            noteFileEvent(FileEvent::FolderFlushed, folderOf(destination_));
        }
        return placed(before, done);
    }

    // The source's times and attributes, set last (a write after them would move the write
    // time again); the data forced to disk first for a durable copy.
    SystemError finishFile(HANDLE source, HANDLE target) const {
        if (options_.durable) {
            if (!::FlushFileBuffers(target)) {
                return lastError();
            }
            noteFileEvent(FileEvent::FileFlushed, destination_);
        }
        FILE_BASIC_INFO basic{};
        if (!::GetFileInformationByHandleEx(source, FileBasicInfo, &basic, sizeof basic)) {
            return lastError();
        }
        basic.ChangeTime.QuadPart = 0; // left as the system keeps it
        basic.FileAttributes = basic.FileAttributes & kKeptAttributes;
        if (basic.FileAttributes == 0) {
            basic.FileAttributes = FILE_ATTRIBUTE_NORMAL;
        }
        if (!::SetFileInformationByHandle(target, FileBasicInfo, &basic, sizeof basic)) {
            return lastError();
        }
        return {};
    }

    CopyResult placed(const FileIdentity& before, std::int64_t done) const {
        CopyResult result{CopyOutcome::Copied, {}, before, std::nullopt};
        result.copied = done;
        if (options_.durable || options_.hardLinks) {
            result.placed = identityOf(destination_);
        }
        if (options_.hardLinks && result.placed && sourceLinks_ > 1) {
            options_.hardLinks->remember(before, destination_, *result.placed);
        }
        return result;
    }

    std::string source_;
    std::string destination_;
    const CopyProgress& progress_;
    const std::int32_t& cancelFlag_;
    const CopyOptions& options_;
    DWORD sourceLinks_ = 1;
};

} // namespace

void setCopyChunkForTests(std::int64_t bytes) {
    chunkBytes() = bytes > 0 && bytes <= copyChunkBytes ? bytes : copyChunkBytes;
}

void setUnnamedTemporariesForTests(bool) {
    // Every Windows copy is written under a named temporary.
}

CopyResult copyFileWithProgress(const std::string& source, const std::string& destination,
                                const CopyProgress& progress, const std::int32_t& cancelFlag,
                                const CopyOptions& options) {
    return Copy(source, destination, progress, cancelFlag, options).run();
}

} // namespace orvane::platform
