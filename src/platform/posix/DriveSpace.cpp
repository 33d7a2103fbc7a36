#include "platform/DriveSpace.h"

#include "platform/posix/RealPath.h"

#include <sys/stat.h>
#include <sys/statvfs.h>

#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

namespace orvane::platform {

namespace {

struct ExistingFolder {
    std::string path;
    dev_t device = 0;
};

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

// The destination is an entry still to be made, so the search starts at its folder.
ExistingFolder nearestExistingFolder(const std::string& destination) {
    std::string folder = destination.empty() ? "." : parentOf(destination);
    struct stat info {};
    while (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        const auto parent = parentOf(folder);
        if (parent == folder) {
            return {};
        }
        folder = parent;
    }
    return {folder, info.st_dev};
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

namespace {

// A run asks once per file, and reading and searching the mount table each time cost more
// than the copy of a small file, so the mount point found for a device is kept. It is still
// trusted only while it holds that device: a device number can come back for another file
// system mounted elsewhere.
std::string mountPointFor(const ExistingFolder& folder) {
    static std::map<dev_t, std::string> mountPoints;
    if (const auto known = mountPoints.find(folder.device); known != mountPoints.end()) {
        struct stat info {};
        if (::stat(known->second.c_str(), &info) == 0 && info.st_dev == folder.device) {
            return known->second;
        }
        mountPoints.erase(known);
    }
    const std::string real = resolvedPath(folder.path);
    const std::string mountPoint =
        real.empty() ? std::string{} : mountPointOf(real, readMountTable());
    if (mountPoint.empty()) {
        return folder.path;
    }
    mountPoints.emplace(folder.device, mountPoint);
    return mountPoint;
}

std::string driveOf(const ExistingFolder& folder) {
    // Files come folder by folder: a folder asked about again that still holds the same file
    // system is still under the same mount point, and needs no look at all.
    static ExistingFolder lastFolder;
    static std::string lastMountPoint;
    if (folder.path == lastFolder.path && folder.device == lastFolder.device &&
        !lastMountPoint.empty()) {
        return lastMountPoint;
    }
    lastFolder = folder;
    lastMountPoint = mountPointFor(folder);
    return lastMountPoint;
}

} // namespace

DriveSpace queryDriveSpace(const std::string& destinationPath) {
    const ExistingFolder folder = nearestExistingFolder(destinationPath);
    if (folder.path.empty()) {
        return DriveSpace{destinationPath, 0, 0};
    }
    DriveSpace space{driveOf(folder), 0, 0};
    struct statvfs info {};
    if (::statvfs(folder.path.c_str(), &info) == 0) {
        const auto unit = static_cast<std::int64_t>(info.f_frsize);
        space.freeBytes = static_cast<std::int64_t>(info.f_bavail) * unit;
        space.totalBytes = static_cast<std::int64_t>(info.f_blocks) * unit;
    }
    return space;
}

} // namespace orvane::platform
