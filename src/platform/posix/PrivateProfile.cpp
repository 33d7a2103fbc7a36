#include "platform/PrivateProfile.h"

#include "platform/ProfileText.h"
#include "platform/posix/PosixFile.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <memory>
#include <optional>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane::platform {

namespace {

struct FileContents {
    std::string bytes;
    // The permission bits of the file; empty when it does not exist yet.
    std::optional<mode_t> mode;
    nlink_t links = 0;
};

bool readAll(int fd, std::string& bytes) {
    char chunk[8192];
    for (;;) {
        const ssize_t count = ::read(fd, chunk, sizeof chunk);
        if (count == 0) {
            return true;
        }
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.append(chunk, static_cast<std::size_t>(count));
    }
}

// A file that does not exist reads as empty. A file that exists but cannot be read gives
// nothing, so that a write never replaces content it has not seen; so does anything that is
// not a plain file: a link is not followed (it could lead a program run by root to any
// file) and a FIFO is not waited on.
std::optional<FileContents> readContents(const std::string& path) {
    FileDescriptor file(openOwnFile(path, O_RDONLY));
    if (!file.isOpen()) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return FileContents{};
        }
        return std::nullopt;
    }
    struct stat info {};
    FileContents contents;
    if (::fstat(file.get(), &info) != 0 || !readAll(file.get(), contents.bytes)) {
        return std::nullopt;
    }
    contents.mode = info.st_mode & 07777;
    contents.links = info.st_nlink;
    return contents;
}

int createUniqueFile(const std::string& target, std::string& path) {
    static std::atomic<unsigned> serial{0};
    // The name is unique to this process; a leftover of an earlier process that happened to
    // get the same process id is skipped rather than overwritten.
    for (int attempt = 0; attempt < 16; ++attempt) {
        path = target + ".tmp-" + std::to_string(::getpid()) + "-" +
               std::to_string(serial.fetch_add(1));
        const int fd =
            ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// The new content while it is being written, beside the file it will replace so that the
// rename stays on one file system. It is removed again unless it took the old file's place.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& target) : file_(createUniqueFile(target, path_)) {}
    ~TemporaryFile() {
        file_.close();
        if (created_ && !placed_) {
            ::unlink(path_.c_str());
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // The old file's permission bits carry over; a new file gets those the umask allows.
    bool fill(std::string_view bytes, std::optional<mode_t> mode) {
        if (!created_) {
            return false;
        }
        if (mode && ::fchmod(file_.get(), *mode) != 0) {
            return false;
        }
        return writeAll(file_.get(), bytes) && ::fsync(file_.get()) == 0 && file_.close();
    }

    bool created() const { return created_; }

    bool placeAt(const std::string& target) {
        placed_ = ::rename(path_.c_str(), target.c_str()) == 0;
        return placed_;
    }

private:
    std::string path_;
    FileDescriptor file_;
    bool created_ = file_.isOpen();
    bool placed_ = false;
};

// Writes over the file's own bytes and cuts it to the new length: the way to change a file
// whose folder takes no new file. The old length is kept until the new bytes are written,
// so a crash leaves a mixture rather than a truncated file.
bool overwriteInPlace(const std::string& path, std::string_view bytes) {
    FileDescriptor file(openOwnFile(path, O_WRONLY | O_CREAT));
    return file.isOpen() && writeAll(file.get(), bytes) &&
           ::ftruncate(file.get(), static_cast<off_t>(bytes.size())) == 0 &&
           ::fsync(file.get()) == 0 && file.close();
}

// The rule: a read-only file (no owner write bit) is left as it is, whoever runs the
// program. A plain file with one name, or a new file, is replaced by a complete temporary
// beside it, so a crash leaves the old or the new content whole. Where that cannot be done
// (the folder takes no new file, or the file has other names that must keep seeing the
// change) the file is updated in place. A link never gets here: it was not read.
bool storeBytes(const std::string& path, std::string_view bytes, const FileContents& old) {
    if (old.mode && (*old.mode & S_IWUSR) == 0) {
        return false;
    }
    if (!old.mode || old.links == 1) {
        TemporaryFile temporary(path);
        if (temporary.created()) {
            return temporary.fill(bytes, old.mode) && temporary.placeAt(path);
        }
    }
    return overwriteInPlace(path, bytes);
}

} // namespace

std::string readProfileString(std::string_view section, std::string_view key,
                              std::string_view defaultValue, std::size_t bufferSize,
                              const std::string& path) {
    std::string result(defaultValue);
    if (const auto contents = readContents(path)) {
        if (auto value = findProfileValue(contents->bytes, section, key)) {
            result = std::move(*value);
        }
    }
    if (result.size() >= bufferSize) {
        result.resize(bufferSize == 0 ? 0 : bufferSize - 1);
    }
    return result;
}

bool writeProfileString(std::string_view section, std::string_view key, std::string_view value,
                        const std::string& path) {
    const auto contents = readContents(path);
    if (!contents) {
        return false;
    }
    std::optional<std::string> edited;
    if (key.empty()) {
        edited = removeProfileSection(contents->bytes, section);
    } else if (value.empty()) {
        edited = removeProfileKey(contents->bytes, section, key);
    } else {
        edited = setProfileValue(contents->bytes, section, key, value);
    }
    if (!edited) {
        return false;
    }
    // Nothing to change: an existing file is not rewritten, and a delete creates no file.
    if (*edited == contents->bytes) {
        return true;
    }
    return storeBytes(path, *edited, *contents);
}

} // namespace orvane::platform
