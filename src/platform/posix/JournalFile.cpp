#include "platform/JournalFile.h"

#include "platform/Directory.h"
#include "platform/JournalFileSystem.h"
#include "platform/OwnFile.h"
#include "platform/posix/PosixFile.h"

#include <algorithm>
#include <csignal>
#include <cstring>
#include <ctime>

#include <atomic>

#include <sys/file.h>
#include <sys/mman.h>

namespace orvane::platform {

namespace {

// What the signal handler needs, prepared beforehand: it may not allocate or format. The
// day's file name is kept in two buffers, so that the handler never reads one half-written.
struct SignalSave {
    static constexpr std::size_t kPathSize = 4096;
    volatile std::sig_atomic_t journalFd = -1;
    // The length of the journal's lines; the file goes on with zero bytes.
    std::atomic<std::size_t> used{0};
    static_assert(std::atomic<std::size_t>::is_always_lock_free, "read in a signal handler");
    volatile std::sig_atomic_t activeDay = -1;
    char journalPath[kPathSize] = {};
    char dayPath[2][kPathSize] = {};
    char closing[512] = {};
    std::size_t closingSize = 0;
};
SignalSave signalSave;

bool copyText(char* target, std::size_t size, std::string_view text) {
    if (text.size() >= size) {
        return false;
    }
    std::memcpy(target, text.data(), text.size());
    target[text.size()] = '\0';
    return true;
}

LocalTime localTimeOf(std::time_t moment) {
    std::tm fields{};
    ::localtime_r(&moment, &fields);
    return {fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday,
            fields.tm_hour,        fields.tm_min,     fields.tm_sec};
}

std::time_t nextMidnight(std::time_t moment) {
    std::tm fields{};
    ::localtime_r(&moment, &fields);
    fields.tm_mday += 1;
    fields.tm_hour = fields.tm_min = fields.tm_sec = 0;
    fields.tm_isdst = -1;
    return std::mktime(&fields);
}

// Only calls that are safe in a signal handler from here on.
bool writeRaw(int fd, const char* bytes, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, bytes, size);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool copyJournalInto(int journal, int target, std::size_t size) {
    static char chunk[65536];
    off_t offset = 0;
    char last = '\n';
    while (static_cast<std::size_t>(offset) < size) {
        const std::size_t wanted = std::min(sizeof chunk, size - static_cast<std::size_t>(offset));
        const ssize_t count = ::pread(journal, chunk, wanted, offset);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return false;
        }
        if (count == 0) {
            break;
        }
        if (!writeRaw(target, chunk, static_cast<std::size_t>(count))) {
            return false;
        }
        last = chunk[count - 1];
        offset += count;
    }
    // A line cut short by the end of the process still ends its line.
    return last == '\n' || writeRaw(target, "\r\n", 2);
}

// The day's file is locked while another session appends its block; the user wants the
// program gone, so the wait is short, and the journal stays for the next start if it was
// not long enough.
bool lockForSignalSave(int fd) {
    constexpr timespec pause{0, 50'000'000};
    for (int attempt = 0; attempt < 40; ++attempt) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            return true;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            // No locks on this file system: the block is written as before there were any.
            return true;
        }
        ::nanosleep(&pause, nullptr);
    }
    return false;
}

} // namespace

std::unique_ptr<JournalFile> JournalFile::create(const std::string& folder, DayFileNamer dayFile,
                                                 std::string closingBytes) {
    // The journal is made and locked under a name no start looks at, and only then given
    // its real name: a start that recovers journals never sees one unlocked.
    const std::string stem = folder + "/" + std::string(journalPrefix) + std::to_string(::getpid());
    const std::string opening = stem + ".opening";
    // Only a new file of its own: whatever stands under the name (a leftover of an earlier
    // process with this id, or a link to someone's file) is removed, never written through.
    FileDescriptor fd(openOwnFile(opening, O_RDWR | O_CREAT | O_EXCL));
    if (!fd.isOpen() && errno == EEXIST && ::unlink(opening.c_str()) == 0) {
        fd = FileDescriptor(openOwnFile(opening, O_RDWR | O_CREAT | O_EXCL));
    }
    if (!fd.isOpen()) {
        return nullptr;
    }
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
        ::unlink(opening.c_str());
        return nullptr;
    }
    std::string path;
    for (int serial = 0; serial < 100 && path.empty(); ++serial) {
        const std::string candidate =
            stem + "-" + std::to_string(serial) + std::string(journalSuffix);
        if (::link(opening.c_str(), candidate.c_str()) == 0) {
            path = candidate;
        } else if (errno != EEXIST) {
            break;
        }
    }
    ::unlink(opening.c_str());
    if (path.empty()) {
        return nullptr;
    }
    std::unique_ptr<JournalFile> journal(
        new JournalFile(SystemHandle(fd.release()), path, std::move(dayFile)));
    if (signalSave.journalFd < 0 && copyText(signalSave.journalPath, SignalSave::kPathSize, path) &&
        copyText(signalSave.closing, sizeof signalSave.closing, closingBytes)) {
        signalSave.closingSize = closingBytes.size();
        signalSave.used = 0;
        journal->followDay();
        signalSave.journalFd = fdOf(journal->file_);
    }
    return journal;
}

JournalFile::JournalFile(SystemHandle file, std::string path, DayFileNamer dayFile)
    : file_(file), path_(std::move(path)), dayFile_(std::move(dayFile)) {}

JournalFile::~JournalFile() {
    if (signalSave.journalFd == fdOf(file_)) {
        signalSave.journalFd = -1;
    }
    unmap();
    if (file_.isValid()) {
        ::close(fdOf(file_));
    }
}

void JournalFile::unmap() {
    if (map_ != nullptr) {
        ::munmap(map_, capacity_);
        map_ = nullptr;
    }
}

bool JournalFile::reserve(std::size_t size) {
    if (size <= capacity_) {
        return true;
    }
    const std::size_t capacity = grownJournalCapacity(capacity_, size);
    // The space is taken for real: a file only made longer would have its pages found
    // missing when a line is copied into the mapping on a full disk, and the process would
    // be killed (SIGBUS) rather than told.
    const int refused = ::posix_fallocate(fdOf(file_), static_cast<off_t>(capacity_),
                                          static_cast<off_t>(capacity - capacity_));
    if (refused != 0) {
        // Whatever posix_fallocate took before it gave up is given back where it can be;
        // where it cannot, the file is only longer than its lines, which recovery ignores.
        if (::ftruncate(fdOf(file_), static_cast<off_t>(capacity_)) != 0) {
        }
        errno = refused;
        return false;
    }
    void* map = map_ == nullptr
                    ? ::mmap(nullptr, capacity, PROT_READ | PROT_WRITE, MAP_SHARED, fdOf(file_), 0)
                    : ::mremap(map_, capacity_, capacity, MREMAP_MAYMOVE);
    if (map == MAP_FAILED) {
        return false;
    }
    map_ = static_cast<char*>(map);
    capacity_ = capacity;
    return true;
}

void JournalFile::followDay() {
    const std::time_t now = std::time(nullptr);
    if (now < nextDayStarts_) {
        return;
    }
    nextDayStarts_ = nextMidnight(now);
    const int inactive = signalSave.activeDay == 0 ? 1 : 0;
    if (copyText(signalSave.dayPath[inactive], SignalSave::kPathSize, dayFile_(localTimeOf(now)))) {
        signalSave.activeDay = inactive;
    }
}

bool JournalFile::append(std::string_view bytes, std::string_view end) {
    if (failure_ != 0 || !file_.isValid()) {
        return false;
    }
    const bool current = signalSave.journalFd == fdOf(file_);
    if (current) {
        followDay();
    }
    if (!reserve(used_ + bytes.size() + end.size())) {
        failure_ = errno == 0 ? EIO : errno;
        return false;
    }
    std::memcpy(map_ + used_, bytes.data(), bytes.size());
    std::memcpy(map_ + used_ + bytes.size(), end.data(), end.size());
    used_ += bytes.size() + end.size();
    if (current) {
        signalSave.used = used_;
    }
    return true;
}

void JournalFile::remove() {
    if (signalSave.journalFd == fdOf(file_)) {
        signalSave.journalFd = -1;
    }
    unmap();
    ::unlink(path_.c_str());
    ::close(fdOf(file_));
    file_ = SystemHandle();
}

std::vector<OrphanJournal> claimOrphanJournals(const std::string& folder,
                                               std::vector<std::string>& skipped) {
    std::vector<OrphanJournal> orphans;
    DirectoryReader reader(folder);
    while (const auto entry = reader.next()) {
        if (entry->isFolder || !isJournalName(entry->name)) {
            continue;
        }
        const std::string path = folder + "/" + entry->name;
        auto fd = std::make_shared<FileDescriptor>(openOwnFile(path, O_RDONLY));
        if (!fd->isOpen()) {
            if (errno != ENOENT) {
                skipped.push_back(path + ": " + ownFileFailure(errno));
            }
            continue;
        }
        struct stat info {};
        // Locked: its session is still running. No link left: another start recovered it
        // between the listing and the lock.
        if (::flock(fd->get(), LOCK_EX | LOCK_NB) != 0 || ::fstat(fd->get(), &info) != 0 ||
            info.st_nlink == 0) {
            continue;
        }
        // Another user's journal is theirs to recover: its lines are not copied into a day's
        // file this user's sessions write, where they could be read more widely.
        if (info.st_uid != ::geteuid()) {
            skipped.push_back(path + ": owned by another user");
            continue;
        }
        OrphanJournal orphan{path, {}, localTimeOf(info.st_mtim.tv_sec), fd};
        char chunk[65536];
        ssize_t count = 0;
        while ((count = ::read(fd->get(), chunk, sizeof chunk)) > 0) {
            orphan.bytes.append(chunk, static_cast<std::size_t>(count));
        }
        if (count == 0) {
            orphan.bytes.resize(std::min(orphan.bytes.size(), orphan.bytes.find('\0')));
            orphans.push_back(std::move(orphan));
        }
    }
    return orphans;
}

void removeOrphanJournal(OrphanJournal& journal) {
    ::unlink(journal.path.c_str());
    journal.lock.reset();
}

bool saveJournalNow() noexcept {
    const int journal = signalSave.journalFd;
    const int day = signalSave.activeDay;
    if (journal < 0 || day < 0) {
        return false;
    }
    // As every save does: a plain file only, under its lock, and cut back on a failure.
    const int target =
        ::open(signalSave.dayPath[day],
               O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    struct stat info {};
    if (target < 0) {
        return false;
    }
    if (!lockForSignalSave(target) || ::fstat(target, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(target);
        return false;
    }
    bool saved = copyJournalInto(journal, target, signalSave.used) &&
                 writeRaw(target, signalSave.closing, signalSave.closingSize);
    if (!saved) {
        // A cut that fails leaves a partial block that the journal, still kept, repeats at
        // the next start; nothing better can be done while the program is being ended.
        if (::ftruncate(target, info.st_size) != 0) {
        }
    }
    saved = ::close(target) == 0 && saved;
    if (saved) {
        signalSave.journalFd = -1;
        ::unlink(signalSave.journalPath);
    }
    return saved;
}

} // namespace orvane::platform
