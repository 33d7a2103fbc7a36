#include "platform/MadeFolders.h"

#include "platform/MadeFoldersSystem.h"

#include <algorithm>
#include <iterator>

namespace orvane::platform {

void MadeFolders::finish(const std::string& destination) {
    // A walk finishes the folder it made last of those still pending.
    const auto found = std::find_if(pending_.rbegin(), pending_.rend(), [&](const Pending& folder) {
        return folder.path == destination;
    });
    if (found == pending_.rend()) {
        return;
    }
    applyFolderMetadata(*found);
    pending_.erase(std::next(found).base());
}

void MadeFolders::finishAll() {
    // Parents are made before their children, so the reverse order finishes children first.
    for (auto folder = pending_.rbegin(); folder != pending_.rend(); ++folder) {
        applyFolderMetadata(*folder);
    }
    pending_.clear();
}

} // namespace orvane::platform
