#include "platform/FolderContainment.h"

#include "platform/posix/RealPath.h"

#include <sys/stat.h>

#include <filesystem>
#include <optional>

namespace orvane::platform {

namespace {

struct FolderId {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FolderId&) const = default;
};

std::optional<FolderId> folderId(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        return std::nullopt;
    }
    return FolderId{info.st_dev, info.st_ino};
}

} // namespace

bool liesWithin(const std::string& path, const std::string& folder) {
    const std::optional<FolderId> outer = folderId(folder);
    std::string step = resolvedPath(path);
    if (!outer || step.empty()) {
        return false;
    }
    // The resolved path holds no link, so each shorter text is a real ancestor; the missing
    // ones at its end are simply not found.
    while (true) {
        if (folderId(step) == outer) {
            return true;
        }
        if (step == "/") {
            return false;
        }
        const auto cut = step.rfind('/');
        step = cut == 0 ? "/" : step.substr(0, cut);
    }
}

std::string currentFolder() {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    return error ? std::string{} : folder.string();
}

} // namespace orvane::platform
