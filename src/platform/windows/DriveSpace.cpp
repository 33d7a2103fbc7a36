#include "platform/DriveSpace.h"

#include "platform/windows/SystemPath.h"

namespace orvane::platform {

namespace {

// The destination itself when it is a folder, else its nearest existing folder upward: the
// system tells the free space of a folder only, and a file to be replaced stands at the
// destination of every copy made again.
std::wstring nearestExisting(const std::string& destinationPath) {
    std::wstring path = systemPath(destinationPath);
    for (DWORD attributes = ::GetFileAttributesW(path.c_str());
         attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
         attributes = ::GetFileAttributesW(path.c_str())) {
        while (path.ends_with(L'\\')) {
            path.pop_back();
        }
        const auto cut = path.rfind(L'\\');
        if (cut == std::wstring::npos || cut < 4) {
            return {};
        }
        path.erase(cut + 1);
    }
    return path;
}

} // namespace

DriveSpace queryDriveSpace(const std::string& destinationPath) {
    DriveSpace space;
    const std::wstring existing = nearestExisting(destinationPath);
    if (existing.empty()) {
        space.drive = destinationPath;
        return space;
    }
    // The volume's root, as the log names a drive: "C:\", or the folder a volume is mounted on.
    std::wstring volume(existing.size() + MAX_PATH, L'\0');
    if (::GetVolumePathNameW(existing.c_str(), volume.data(), static_cast<DWORD>(volume.size()))) {
        volume.resize(volume.find(L'\0'));
        space.drive = userPath(volume);
    } else {
        space.drive = userPath(existing);
    }
    ULARGE_INTEGER available{};
    ULARGE_INTEGER total{};
    // The space this user may fill: a quota counts, as a disk full would.
    if (::GetDiskFreeSpaceExW(existing.c_str(), &available, &total, nullptr)) {
        space.freeBytes = static_cast<std::int64_t>(available.QuadPart);
        space.totalBytes = static_cast<std::int64_t>(total.QuadPart);
    }
    return space;
}

} // namespace orvane::platform
