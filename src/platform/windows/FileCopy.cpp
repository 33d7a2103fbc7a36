#include "platform/FileCopy.h"

#include "platform/FileEvents.h"
#include "platform/PathRules.h"
#include "platform/windows/KeptPartial.h"
#include "platform/windows/SymbolicLink.h"
#include "platform/windows/SystemPath.h"
#include "platform/windows/TreeParent.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstddef>
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

// The copy while it is written: a hidden file of its own in the destination's folder, made
// exclusively under a name no entry had. Until it is placed the system deletes it when its
// handle closes, however the process ends (a kill, a second Ctrl+C, a crash), and it is
// renamed through that same handle, so what is placed is what was written. It is never a
// partial under the destination's name, and no name this copy did not make is ever deleted.
class Temporary {
public:
    explicit Temporary(const std::string& destination) {
        static std::atomic<unsigned> serial{0};
        const std::string folder = nativePathRules.folderPart(destination);
        for (int attempt = 0; attempt < 16 && !file_.isOpen(); ++attempt) {
            const std::string path = folder + "~orvane-" + std::to_string(::GetCurrentProcessId()) +
                                     "-" + std::to_string(serial.fetch_add(1)) + ".tmp";
            file_ = Handle(::CreateFileW(
                systemPath(path).c_str(),
                GENERIC_READ | GENERIC_WRITE | DELETE | FILE_WRITE_ATTRIBUTES, 0, nullptr,
                CREATE_NEW, FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
            if (file_.isOpen()) {
                path_ = path;
            } else if (::GetLastError() != ERROR_FILE_EXISTS) {
                break;
            }
        }
        error_ = file_.isOpen() ? SystemError{} : lastError();
        deletedOnClose_ = file_.isOpen() && markDeleted(true);
    }
    // A kept partial: it stays where it is, under its own name, when the copy is cut short.
    Temporary(Handle partial, std::string path)
        : path_(std::move(path)), file_(std::move(partial)), kept_(true) {}
    ~Temporary() {
        // Where the volume takes no delete-on-close, the name is deleted, as this copy made it.
        if (!placed_ && !kept_ && file_.isOpen() && !markDeleted(true)) {
            file_.reset();
            ::DeleteFileW(systemPath(path_).c_str());
        }
    }
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;

    HANDLE get() const { return file_.get(); }
    SystemError error() const { return error_; }
    // A kept partial that cannot become the destination is worth nothing to a later copy.
    void discard() {
        if (kept_ && !placed_) {
            markDeleted(true);
            file_.reset();
        }
    }
    // Once placed, the copy is left to whoever opens it next.
    void close() {
        if (placed_) {
            file_.reset();
        }
    }

    // The name becomes the destination's only while it is free, or while it still holds
    // the entry the caller saw there.
    SystemError place(const std::string& destination, const std::optional<FileIdentity>& replaces) {
        bool replace = false;
        if (replaces) {
            const auto standing = identityOf(destination);
            if (standing && !(*standing == *replaces)) {
                return windowsError(ERROR_FILE_EXISTS);
            }
            replace = standing.has_value();
        }
        if (deletedOnClose_ && !markDeleted(false)) {
            return lastError();
        }
        if (!renameTo(destination, replace)) {
            const DWORD error = ::GetLastError();
            deletedOnClose_ = markDeleted(true);
            return windowsError(error == ERROR_ALREADY_EXISTS ? ERROR_FILE_EXISTS : error);
        }
        placed_ = true;
        return {};
    }

private:
    bool markDeleted(bool deleted) {
        FILE_DISPOSITION_INFO disposition{static_cast<BOOLEAN>(deleted)};
        return ::SetFileInformationByHandle(file_.get(), FileDispositionInfo, &disposition,
                                            sizeof disposition) != 0;
    }

    // Without replacing, an entry at the name makes the rename fail: no entry made meanwhile
    // is ever replaced.
    bool renameTo(const std::string& destination, bool replace) {
        const std::wstring name = systemPath(destination);
        const std::size_t bytes =
            offsetof(FILE_RENAME_INFO, FileName) + (name.size() + 1) * sizeof(wchar_t);
        std::vector<FILE_RENAME_INFO> block(bytes / sizeof(FILE_RENAME_INFO) + 1);
        FILE_RENAME_INFO& rename = block.front();
        rename.ReplaceIfExists = replace ? TRUE : FALSE;
        rename.RootDirectory = nullptr;
        rename.FileNameLength = static_cast<DWORD>(name.size() * sizeof(wchar_t));
        std::copy(name.c_str(), name.c_str() + name.size() + 1, rename.FileName);
        return ::SetFileInformationByHandle(file_.get(), FileRenameInfo, &rename,
                                            static_cast<DWORD>(bytes)) != 0;
    }

    std::string path_;
    Handle file_;
    SystemError error_;
    bool deletedOnClose_ = false;
    bool kept_ = false;
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
        // The source itself, never through a link; a link to a folder opens only as an entry.
        const Handle source(::CreateFileW(
            systemPath(source_).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
            OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
        const auto before = source.isOpen() ? identityOfHandle(source.get()) : std::nullopt;
        if (!before || before->kind == EntryKind::Link) {
            const DWORD error = ::GetLastError();
            const Handle entry = openEntry(source_);
            const auto link = entry.isOpen() ? identityOfHandle(entry.get()) : std::nullopt;
            if (link && link->kind == EntryKind::Link) {
                return copyLink(entry.get(), *link);
            }
            return ended(CopyOutcome::Failed, windowsError(error));
        }
        BY_HANDLE_FILE_INFORMATION info{};
        sourceLinks_ = ::GetFileInformationByHandle(source.get(), &info) ? info.nNumberOfLinks : 1;
        // Its times as they are before the copy reads it, which may move its last access.
        if (!::GetFileInformationByHandleEx(source.get(), FileBasicInfo, &sourceBasic_,
                                            sizeof sourceBasic_)) {
            return ended(CopyOutcome::Failed, lastError(), before);
        }
        if (before->kind != EntryKind::File) {
            // A folder is never a file's source.
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
    // A symbolic link is copied as a link with the same target, never followed: made under a
    // name of its own and renamed into place, as a file's copy is. Where the user may not make
    // links, or the link is a junction, it fails with the system's reason.
    CopyResult copyLink(HANDLE link, const FileIdentity& before) {
        BY_HANDLE_FILE_INFORMATION info{};
        const auto target = symbolicLinkTarget(link);
        if (!target || !::GetFileInformationByHandle(link, &info)) {
            return ended(CopyOutcome::Failed, lastError(), before);
        }
        progress_(CopyReport{CopyReason::StreamSwitch, 0, 0});
        if (cancelled()) {
            return ended(CopyOutcome::Cancelled, windowsError(ERROR_OPERATION_ABORTED), before);
        }
        static std::atomic<unsigned> serial{0};
        const std::string made = nativePathRules.folderPart(destination_) + "~orvane-link-" +
                                 std::to_string(::GetCurrentProcessId()) + "-" +
                                 std::to_string(serial.fetch_add(1));
        const bool folder = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (!makeSymbolicLink(made, *target, folder)) {
            return ended(CopyOutcome::Failed, lastError(), before);
        }
        const auto standing = identityOf(destination_);
        const bool replace = options_.replaces && standing && *standing == *options_.replaces;
        if ((standing && !replace) ||
            !::MoveFileExW(systemPath(made).c_str(), systemPath(destination_).c_str(),
                           replace ? MOVEFILE_REPLACE_EXISTING : 0)) {
            const SystemError error =
                standing && !replace ? windowsError(ERROR_FILE_EXISTS) : lastError();
            if (folder) {
                ::RemoveDirectoryW(systemPath(made).c_str());
            } else {
                ::DeleteFileW(systemPath(made).c_str());
            }
            return ended(CopyOutcome::Failed, error, before);
        }
        progress_(CopyReport{CopyReason::ChunkFinished, 0, 0});
        return placed(before, 0);
    }

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

    // A large file's copy goes into a kept partial, continued where an earlier copy of this
    // source left it; any other into a temporary the system deletes if the copy is cut short.
    Temporary temporaryFor(HANDLE source, const FileIdentity& before) {
        if (before.size >= kKeptFromBytes) {
            kept_ = KeptPartial::take(destination_, source, before, sourceFolderIdentity());
        }
        if (!kept_) {
            return Temporary(destination_);
        }
        std::string path = kept_->partialPath();
        return Temporary(kept_->takeFile(), std::move(path));
    }

    // The folder the source is read in, as a kept partial's record names it.
    FolderIdentity sourceFolderIdentity() const {
        if (options_.sourceFolder) {
            return options_.sourceFolder->identity();
        }
        const Handle folder = openEntry(folderOf(source_));
        const auto identity = folder.isOpen() ? identityOfHandle(folder.get()) : std::nullopt;
        return identity ? FolderIdentity{identity->device, identity->inode} : FolderIdentity{};
    }

    // What the copy did until it was cut short stays for a later copy, when it is a kept
    // partial; a source that changed makes it worthless.
    CopyResult cutShort(CopyOutcome outcome, SystemError error, const FileIdentity& before,
                        Temporary& temporary) {
        if (kept_ && outcome != CopyOutcome::SourceChanged) {
            kept_->record(done_);
        } else if (kept_) {
            temporary.discard();
            kept_->forget();
        }
        return ended(outcome, error, before);
    }

    // A long copy into a kept partial records its progress at every piece, which a run whose
    // process ends leaves behind, and now and then makes it durable.
    void recordProgress(HANDLE partial) {
        if (!kept_) {
            return;
        }
        if (done_ - written_ >= kWriteEveryBytes) {
            kept_->record(done_);
            written_ = done_;
        }
        if (done_ - recorded_ >= kRecordEveryBytes &&
            std::chrono::steady_clock::now() - recordedAt_ >= kRecordEveryTime) {
            kept_->keep(partial, done_);
            recorded_ = done_;
            recordedAt_ = std::chrono::steady_clock::now();
        }
    }

    // Moves the content chunk by chunk from where the partial ends; the outcome of a copy cut
    // short, or nothing when every byte is in.
    std::optional<CopyOutcome> moveContent(HANDLE source, HANDLE target, std::int64_t size) {
        done_ = recorded_ = written_ = kept_ ? kept_->resumedBytes() : 0;
        recordedAt_ = std::chrono::steady_clock::now();
        LARGE_INTEGER start{};
        start.QuadPart = done_;
        if (!::SetFilePointerEx(source, start, nullptr, FILE_BEGIN)) {
            return CopyOutcome::Failed;
        }
        progress_(CopyReport{CopyReason::StreamSwitch, size, 0});
        if (done_ > 0) {
            progress_(CopyReport{CopyReason::Resumed, size, done_});
        }
        if (cancelled()) {
            return CopyOutcome::Cancelled;
        }
        if (done_ >= size) {
            // Empty, or every byte kept already: one report of the whole.
            progress_(CopyReport{CopyReason::ChunkFinished, size, done_});
            return std::nullopt;
        }
        std::vector<char> buffer(static_cast<std::size_t>(chunkBytes()));
        for (bool last = false; !last;) {
            const auto want = static_cast<DWORD>(std::min(chunkBytes(), size - done_));
            const long long got = readFully(source, buffer.data(), want);
            if (got < 0 || !writeAll(target, std::string_view(buffer.data(), got))) {
                return CopyOutcome::Failed;
            }
            if (got < want) {
                return CopyOutcome::SourceChanged;
            }
            done_ += got;
            last = done_ >= size;
            progress_(CopyReport{CopyReason::ChunkFinished, size, done_});
            recordProgress(target);
            if (!last && cancelled()) {
                return CopyOutcome::Cancelled;
            }
        }
        return std::nullopt;
    }

    static SystemError errorOf(CopyOutcome outcome) {
        switch (outcome) {
        case CopyOutcome::Cancelled:
            return windowsError(ERROR_OPERATION_ABORTED);
        case CopyOutcome::SourceChanged:
            return windowsError(ERROR_FILE_CHECKED_OUT);
        default:
            return lastError();
        }
    }

    CopyResult copyData(HANDLE source, const FileIdentity& before) {
        Temporary temporary = temporaryFor(source, before);
        if (temporary.error()) {
            return ended(CopyOutcome::Failed, temporary.error(), before);
        }
        if (const auto cut = moveContent(source, temporary.get(), before.size)) {
            return cutShort(*cut, errorOf(*cut), before, temporary);
        }
        // Size, write time and change time: every write moves the last, even one that sets
        // the write time back.
        const auto after = identityOfHandle(source);
        if (!after || !(*after == before)) {
            return cutShort(CopyOutcome::SourceChanged, windowsError(ERROR_FILE_CHECKED_OUT),
                            before, temporary);
        }
        if (const SystemError failed = finishData(temporary.get())) {
            return cutShort(CopyOutcome::Failed, failed, before, temporary);
        }
        if (options_.abandonBeforePlacing != nullptr && *options_.abandonBeforePlacing) {
            return cutShort(CopyOutcome::Cancelled, windowsError(ERROR_OPERATION_ABORTED), before,
                            temporary);
        }
        if (const SystemError refused = temporary.place(destination_, options_.replaces)) {
            temporary.discard();
            if (kept_) {
                kept_->forget();
            }
            return ended(CopyOutcome::Failed, refused, before);
        }
        if (kept_) {
            kept_->forget();
        }
        if (const SystemError failed = finishPlaced(temporary.get())) {
            return ended(CopyOutcome::Failed, failed, before);
        }
        temporary.close();
        CopyResult result = placed(before, done_);
        result.continuedFrom = kept_ ? kept_->resumedBytes() : 0;
        return result;
    }

    // The data forced to disk first for a durable copy, then the source's times (a write
    // after them would move the write time again).
    SystemError finishData(HANDLE target) const {
        if (options_.durable) {
            if (!::FlushFileBuffers(target)) {
                return lastError();
            }
            noteFileEvent(FileEvent::FileFlushed, destination_);
        }
        return keepBasicInfo(target, false);
    }

    // The source's attributes only once the copy is placed: a read-only temporary would
    // refuse to be deleted. A durable copy then has its new name and attributes on disk
    // before a moved source may go: on NTFS the flush takes the volume's log with it.
    SystemError finishPlaced(HANDLE target) const {
        if (const SystemError failed = keepBasicInfo(target, true)) {
            return failed;
        }
        if (options_.durable) {
            if (!::FlushFileBuffers(target)) {
                return lastError();
            }
            noteFileEvent(FileEvent::FolderFlushed, folderOf(destination_));
        }
        return {};
    }

    // Either the times (creation, last write, last access) or the attributes of the source
    // as they were before it was read: a zero time or attribute field leaves that one be.
    SystemError keepBasicInfo(HANDLE target, bool attributes) const {
        FILE_BASIC_INFO basic = sourceBasic_;
        basic.ChangeTime.QuadPart = 0; // left as the system keeps it
        if (attributes) {
            basic = FILE_BASIC_INFO{{}, {}, {}, {}, basic.FileAttributes & kKeptAttributes};
            basic.FileAttributes =
                basic.FileAttributes == 0 ? FILE_ATTRIBUTE_NORMAL : basic.FileAttributes;
        } else {
            basic.FileAttributes = 0;
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
    FILE_BASIC_INFO sourceBasic_{};
    // A large file's copy, kept if it is cut short; the bytes written to it so far, and those
    // its record holds, and when it was last made durable.
    std::optional<KeptPartial> kept_;
    std::int64_t done_ = 0;
    std::int64_t written_ = 0;
    std::int64_t recorded_ = 0;
    std::chrono::steady_clock::time_point recordedAt_;
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
