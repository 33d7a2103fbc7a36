#pragma once

#include "platform/FileIdentity.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>

namespace orvane::platform {

// The copies a run made of files with more than one name, by source identity, so that the
// other names of such a file become names of the same destination file, as they were in
// the source, instead of copies that take the space again and no longer share changes.
class HardLinkTable {
public:
    // Notes the destination that now holds the copy of a source file with several names.
    void remember(const FileIdentity& source, const std::string& destination,
                  const FileIdentity& copy);
    // The destination of the copy made earlier of the same source file, for the caller to
    // give it another name. Empty when there is none, or when that copy is gone or its content
    // changed since: the caller then copies the file. A move may already have deleted the
    // other source names, so the source may have one name left.
    std::optional<std::string> earlierCopy(const FileIdentity& source) const;
    void clear() { copies_.clear(); }

private:
    struct Copy {
        FileIdentity source;
        std::string destination;
        FileIdentity made;
    };
    std::map<std::pair<std::uint64_t, std::uint64_t>, Copy> copies_;
};

} // namespace orvane::platform
