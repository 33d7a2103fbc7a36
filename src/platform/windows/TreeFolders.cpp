#include "platform/TreeFolders.h"

namespace orvane::platform {

// The Windows layer keeps no destination folder open between files (see TreeParent.h): it
// looks at the path of each one. Nothing is ever kept, so nothing is ever found.
TreeFolders::TreeFolders() = default;
TreeFolders::~TreeFolders() = default;

TreeFolders::Held* TreeFolders::find(std::string_view, std::string_view) {
    return nullptr;
}

TreeFolders::Held& TreeFolders::keep(Held held) {
    held_.assign(1, std::move(held));
    return held_.front();
}

void TreeFolders::forget(const Held&) {
    held_.clear();
}

} // namespace orvane::platform
