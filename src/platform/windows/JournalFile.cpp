#include "platform/JournalFile.h"

#include "platform/AppendFile.h"
#include "platform/Directory.h"
#include "platform/JournalFileSystem.h"
#include "platform/OwnFile.h"
#include "platform/PathRules.h"
#include "platform/windows/SystemPath.h"

#include <algorithm>
#include <cstring>
#include <mutex>

namespace orvane::platform {

namespace {

// A journal is held open without sharing for as long as its session lives: another start
// cannot open it, which is how it tells a live journal from one whose process is gone (the
// system closes every handle of a process that ends, however it ends). A start that claims
// an orphan holds it the same way, so two starts never recover it twice.
constexpr DWORD kNoSharing = 0;

// The running session's journal, for the stop handler, which runs on a thread of its own:
// what it needs to put the journal's lines into the day's file, kept up to date under the
// lock by every change of the journal.
struct CurrentJournal {
    std::mutex lock;
    const JournalFile* journal = nullptr;
    HANDLE file = INVALID_HANDLE_VALUE;
    const char* lines = nullptr;
    std::size_t used = 0;
    JournalFile::DayFileNamer dayFile;
    std::string closing;
};
CurrentJournal current;

LocalTime localTimeOf(const FILETIME& moment) {
    SYSTEMTIME universal{};
    SYSTEMTIME local{};
    if (!::FileTimeToSystemTime(&moment, &universal) ||
        !::SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local)) {
        return {};
    }
    return {local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond};
}

LocalTime localNowOf() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

Handle openJournal(const std::string& path, DWORD access, DWORD disposition) {
    return Handle(::CreateFileW(systemPath(path).c_str(), access, kNoSharing, nullptr, disposition,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
}

bool deleteThroughHandle(HANDLE file) {
    FILE_DISPOSITION_INFO disposition{TRUE};
    return ::SetFileInformationByHandle(file, FileDispositionInfo, &disposition,
                                        sizeof disposition) != 0;
}

} // namespace

std::unique_ptr<JournalFile> JournalFile::create(const std::string& folder, DayFileNamer dayFile,
                                                 std::string closingBytes) {
    const std::string stem = nativePathRules.join(folder, std::string(journalPrefix)) +
                             std::to_string(::GetCurrentProcessId());
    // Only a new file of its own: made exclusively, and never shared, from its first moment.
    for (int serial = 0; serial < 100; ++serial) {
        const std::string path = stem + "-" + std::to_string(serial) + std::string(journalSuffix);
        Handle file = openJournal(path, GENERIC_READ | GENERIC_WRITE | DELETE, CREATE_NEW);
        if (!file.isOpen()) {
            if (::GetLastError() == ERROR_FILE_EXISTS) {
                continue;
            }
            return nullptr;
        }
        const HANDLE handle = file.get();
        std::unique_ptr<JournalFile> journal(
            new JournalFile(systemHandleOf(std::move(file)), path, dayFile));
        const std::lock_guard guard(current.lock);
        if (current.journal == nullptr) {
            current.journal = journal.get();
            current.file = handle;
            current.lines = nullptr;
            current.used = 0;
            current.dayFile = std::move(dayFile);
            current.closing = std::move(closingBytes);
        }
        return journal;
    }
    return nullptr;
}

JournalFile::JournalFile(SystemHandle file, std::string path, DayFileNamer dayFile)
    : file_(file), path_(std::move(path)), dayFile_(std::move(dayFile)) {}

JournalFile::~JournalFile() {
    {
        const std::lock_guard guard(current.lock);
        if (current.journal == this) {
            current.journal = nullptr;
        }
    }
    unmap();
    closeHandle(file_);
}

void JournalFile::unmap() {
    if (map_ != nullptr) {
        ::FlushViewOfFile(map_, used_);
        ::UnmapViewOfFile(map_);
        map_ = nullptr;
    }
}

bool JournalFile::reserve(std::size_t size) {
    if (size <= capacity_) {
        return true;
    }
    const std::size_t capacity = grownJournalCapacity(capacity_, size);
    // The file is made longer first, so that a full disk shows as a refusal here and never
    // as a page missing when a line is copied into the view.
    FILE_END_OF_FILE_INFO end{};
    end.EndOfFile.QuadPart = static_cast<LONGLONG>(capacity);
    const HANDLE file = handleOf(file_);
    if (!::SetFileInformationByHandle(file, FileEndOfFileInfo, &end, sizeof end)) {
        return false;
    }
    const Handle mapping(::CreateFileMappingW(file, nullptr, PAGE_READWRITE, 0, 0, nullptr));
    void* view =
        mapping.isOpen() ? ::MapViewOfFile(mapping.get(), FILE_MAP_WRITE, 0, 0, 0) : nullptr;
    if (view == nullptr) {
        return false;
    }
    // The view keeps the mapping; the lines so far are in the file, and so in the new view.
    unmap();
    map_ = static_cast<char*>(view);
    capacity_ = capacity;
    return true;
}

void JournalFile::followDay() {
    // The stop handler runs on a thread of its own and asks for the day's file itself.
}

bool JournalFile::append(std::string_view bytes, std::string_view end) {
    const std::lock_guard guard(current.lock);
    if (failure_ != 0 || !file_.isValid()) {
        return false;
    }
    if (!reserve(used_ + bytes.size() + end.size())) {
        failure_ = static_cast<int>(::GetLastError() == 0 ? ERROR_WRITE_FAULT : ::GetLastError());
        return false;
    }
    std::memcpy(map_ + used_, bytes.data(), bytes.size());
    std::memcpy(map_ + used_ + bytes.size(), end.data(), end.size());
    used_ += bytes.size() + end.size();
    if (current.journal == this) {
        current.lines = map_;
        current.used = used_;
    }
    return true;
}

void JournalFile::remove() {
    const std::lock_guard guard(current.lock);
    if (current.journal == this) {
        current.journal = nullptr;
    }
    unmap();
    deleteThroughHandle(handleOf(file_));
    closeHandle(file_);
}

std::vector<OrphanJournal> claimOrphanJournals(const std::string& folder,
                                               std::vector<std::string>& skipped) {
    std::vector<OrphanJournal> orphans;
    DirectoryReader reader(folder);
    while (const auto entry = reader.next()) {
        if (entry->isFolder || !isJournalName(entry->name)) {
            continue;
        }
        const std::string path = nativePathRules.join(folder, entry->name);
        Handle file = openJournal(path, GENERIC_READ | DELETE, OPEN_EXISTING);
        if (!file.isOpen()) {
            // Held: its session is still running, or another start is recovering it.
            const DWORD error = ::GetLastError();
            if (error != ERROR_SHARING_VIOLATION && error != ERROR_FILE_NOT_FOUND) {
                skipped.push_back(path + ": " + ownFileFailure(static_cast<int>(error)));
            }
            continue;
        }
        BY_HANDLE_FILE_INFORMATION info{};
        if (!::GetFileInformationByHandle(file.get(), &info)) {
            continue;
        }
        if ((info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) !=
            0) {
            skipped.push_back(path + ": " + ownFileFailure(static_cast<int>(kNotRegularFile)));
            continue;
        }
        OrphanJournal orphan{path, {}, localTimeOf(info.ftLastWriteTime), nullptr};
        char chunk[65536];
        DWORD count = 0;
        bool read = true;
        while ((read = ::ReadFile(file.get(), chunk, sizeof chunk, &count, nullptr)) && count > 0) {
            orphan.bytes.append(chunk, count);
        }
        if (read) {
            orphan.bytes.resize(std::min(orphan.bytes.size(), orphan.bytes.find('\0')));
            orphan.lock = std::shared_ptr<void>(
                file.release(), [](void* held) { ::CloseHandle(static_cast<HANDLE>(held)); });
            orphans.push_back(std::move(orphan));
        }
    }
    return orphans;
}

void removeOrphanJournal(OrphanJournal& journal) {
    if (journal.lock) {
        deleteThroughHandle(static_cast<HANDLE>(journal.lock.get()));
    }
    journal.lock.reset();
}

bool saveJournalNow() noexcept {
    try {
        const std::lock_guard guard(current.lock);
        if (current.journal == nullptr || !current.dayFile) {
            return false;
        }
        // As every save does: a plain file only, under its lock, and cut back on a failure.
        AppendFile day(current.dayFile(localNowOf()));
        const std::string_view lines(current.lines == nullptr ? "" : current.lines, current.used);
        day.write(lines);
        // A line cut short by the end of the process still ends its line.
        if (!lines.empty() && !lines.ends_with('\n')) {
            day.write("\r\n");
        }
        day.write(current.closing);
        if (!day.close()) {
            return false;
        }
        deleteThroughHandle(current.file);
        current.journal = nullptr;
        return true;
    } catch (...) {
        return false;
    }
}

} // namespace orvane::platform
