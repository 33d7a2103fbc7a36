#include "platform/PrivateProfileSystem.h"

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

} // namespace

// A link is not followed (it could lead a program run by root to any file) and a FIFO is not
// waited on.
std::optional<ProfileFileContents> readProfileFile(const std::string& path) {
    FileDescriptor file(openOwnFile(path, O_RDONLY));
    if (!file.isOpen()) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return ProfileFileContents{};
        }
        return std::nullopt;
    }
    struct stat info {};
    ProfileFileContents contents;
    if (::fstat(file.get(), &info) != 0 || !readAll(file.get(), contents.bytes)) {
        return std::nullopt;
    }
    contents.attributes = info.st_mode & 07777;
    contents.links = info.st_nlink;
    return contents;
}

namespace {

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
    bool fill(std::string_view bytes, std::optional<std::uint32_t> mode) {
        if (!created_) {
            return false;
        }
        if (mode && ::fchmod(file_.get(), static_cast<mode_t>(*mode)) != 0) {
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

} // namespace

// The rule: a read-only file (no owner write bit) is left as it is, whoever runs the
// program. A plain file with one name, or a new file, is replaced by a complete temporary
// beside it, so a crash leaves the old or the new content whole. Where that cannot be done
// (the folder takes no new file, or the file has other names that must keep seeing the
// change) the file is updated in place. A link never gets here: it was not read.
bool storeProfileFile(const std::string& path, std::string_view bytes,
                      const ProfileFileContents& old) {
    if (old.attributes && (*old.attributes & S_IWUSR) == 0) {
        return false;
    }
    if (!old.attributes || old.links == 1) {
        TemporaryFile temporary(path);
        if (temporary.created()) {
            return temporary.fill(bytes, old.attributes) && temporary.placeAt(path);
        }
    }
    return overwriteInPlace(path, bytes);
}

} // namespace orvane::platform
