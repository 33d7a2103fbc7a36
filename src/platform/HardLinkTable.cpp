#include "platform/HardLinkTable.h"

namespace orvane::platform {

namespace {

// The same file with the same content. The status change time is left out: adding or
// removing a name moves it, and that is what happens to these files during a run.
bool sameContent(const FileIdentity& one, const FileIdentity& other) {
    return one.device == other.device && one.inode == other.inode && one.size == other.size &&
           one.modifiedNs == other.modifiedNs;
}

} // namespace

void HardLinkTable::remember(const FileIdentity& source, const std::string& destination,
                             const FileIdentity& copy) {
    copies_.insert_or_assign({source.device, source.inode}, Copy{source, destination, copy});
}

std::optional<std::string> HardLinkTable::earlierCopy(const FileIdentity& source) const {
    const auto found = copies_.find({source.device, source.inode});
    // An inode number freed and given to a new file is not the file that was copied, nor is
    // a copy rewritten since.
    if (found == copies_.end() || !sameContent(found->second.source, source)) {
        return std::nullopt;
    }
    const auto copy = identityOf(found->second.destination);
    if (!copy || !sameContent(*copy, found->second.made)) {
        return std::nullopt;
    }
    return found->second.destination;
}

} // namespace orvane::platform
