#include "platform/DriveSpace.h"

#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/statvfs.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

namespace orvane::platform {

namespace {

bool isFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The path without its last part: "/a/b/" gives "/a", "/a" gives "/", "a" gives ".".
std::string parentOf(std::string path) {
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nearestExistingFolder(const std::string& path) {
    std::string folder = path.empty() ? "." : path;
    while (!isFolder(folder)) {
        const auto parent = parentOf(folder);
        if (parent == folder) {
            return {};
        }
        folder = parent;
    }
    return folder;
}

std::string realPathOf(const std::string& folder) {
    const std::unique_ptr<char, decltype(&::free)> resolved(::realpath(folder.c_str(), nullptr),
                                                            &::free);
    return resolved ? std::string(resolved.get()) : std::string();
}

// The mount table writes blanks, tabs, newlines and backslashes in a name as \ooo.
std::string unescapeMountField(const std::string& field) {
    std::string text;
    for (std::size_t i = 0; i < field.size(); ++i) {
        const auto isOctal = [&](std::size_t at) { return field[at] >= '0' && field[at] <= '7'; };
        if (field[i] == '\\' && i + 3 < field.size() && isOctal(i + 1) && isOctal(i + 2) &&
            isOctal(i + 3)) {
            text += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                      (field[i + 3] - '0'));
            i += 3;
        } else {
            text += field[i];
        }
    }
    return text;
}

bool holds(const std::string& mountPoint, const std::string& folder) {
    if (folder.compare(0, mountPoint.size(), mountPoint) != 0) {
        return false;
    }
    return mountPoint == "/" || folder.size() == mountPoint.size() ||
           folder[mountPoint.size()] == '/';
}

std::string readMountTable() {
    std::ifstream in("/proc/self/mountinfo");
    if (!in) {
        return {};
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

std::string mountPointOf(const std::string& realFolder, const std::string& mountInfo) {
    std::istringstream lines(mountInfo);
    std::string line;
    std::string best;
    while (std::getline(lines, line)) {
        // Fields: mount id, parent id, major:minor, root, mount point, ...
        std::istringstream fields(line);
        std::string skipped;
        std::string mountPoint;
        if (!(fields >> skipped >> skipped >> skipped >> skipped >> mountPoint)) {
            continue;
        }
        mountPoint = unescapeMountField(mountPoint);
        if (holds(mountPoint, realFolder) && mountPoint.size() > best.size()) {
            best = mountPoint;
        }
    }
    return best;
}

DriveSpace queryDriveSpace(const std::string& destinationPath) {
    const std::string folder = nearestExistingFolder(destinationPath);
    if (folder.empty()) {
        return DriveSpace{destinationPath, 0, 0};
    }
    DriveSpace space{folder, 0, 0};
    const std::string real = realPathOf(folder);
    if (!real.empty()) {
        const std::string mountPoint = mountPointOf(real, readMountTable());
        if (!mountPoint.empty()) {
            space.drive = mountPoint;
        }
    }
    struct statvfs info {};
    if (::statvfs(folder.c_str(), &info) == 0) {
        const auto unit = static_cast<std::int64_t>(info.f_frsize);
        space.freeBytes = static_cast<std::int64_t>(info.f_bavail) * unit;
        space.totalBytes = static_cast<std::int64_t>(info.f_blocks) * unit;
    }
    return space;
}

} // namespace orvane::platform
