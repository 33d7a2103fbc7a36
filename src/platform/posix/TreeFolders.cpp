#include "platform/TreeFolders.h"

#include "platform/posix/PosixFile.h"

#include <algorithm>

namespace orvane::platform {

namespace {

// A run works in one folder at a time; a walk comes back to the folders above it after a
// sub-folder, so a few of those stay too.
constexpr std::size_t kHeldFolders = 8;

} // namespace

TreeFolders::TreeFolders() = default;
TreeFolders::~TreeFolders() = default;

TreeFolders::Held* TreeFolders::find(std::string_view root, std::string_view folder) {
    const auto found = std::find_if(held_.begin(), held_.end(), [&](const Held& held) {
        return held.folder == folder && held.root == root;
    });
    if (found == held_.end()) {
        return nullptr;
    }
    std::rotate(held_.begin(), found, std::next(found));
    return &held_.front();
}

TreeFolders::Held& TreeFolders::keep(Held held) {
    if (held_.size() == kHeldFolders) {
        held_.pop_back();
    }
    held_.insert(held_.begin(), std::move(held));
    return held_.front();
}

void TreeFolders::forget(const Held& held) {
    std::erase_if(held_, [&](const Held& kept) { return &kept == &held; });
}

} // namespace orvane::platform
