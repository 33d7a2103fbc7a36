#include "platform/HardLinkTable.h"

#include <unistd.h>

namespace orvane::platform {

void HardLinkTable::remember(const FileIdentity& source, const std::string& destination) {
    if (const auto made = identityOf(destination)) {
        copies_.insert_or_assign({source.device, source.inode}, Copy{source, destination, *made});
    }
}

bool HardLinkTable::linkEarlierCopy(const FileIdentity& source,
                                    const std::string& destination) const {
    const auto found = copies_.find({source.device, source.inode});
    // The same size and time too: an inode number freed and given to a new file is not the
    // file that was copied.
    if (found == copies_.end() || !(found->second.source == source) ||
        identityOf(found->second.destination) != found->second.made) {
        return false;
    }
    // link never replaces an entry, so whatever stands at the destination stays untouched.
    return ::link(found->second.destination.c_str(), destination.c_str()) == 0;
}

} // namespace orvane::platform
