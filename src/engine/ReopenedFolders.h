#pragma once

#include "engine/FilePair.h"
#include "engine/RunContext.h"
#include "platform/SourceFolder.h"

#include <string>
#include <utility>
#include <vector>

namespace orvane {

// The list run's way back into the source folders the survey listed. A list item holds
// only paths, and by the time its turn comes a folder on its path may have been swapped for
// a link or another folder. So each item's folder is opened folder by folder from the source
// root, never through a link, and each level must be the very folder the survey listed
// there. The open folders are kept from one item to the next: the items of a folder follow
// each other, so each folder is opened once, not once per file.
class ReopenedFolders {
public:
    explicit ReopenedFolders(const RunContext& run) : run_(run) {}

    // The folder that holds the pair's source, held open; null when it, or a folder above it,
    // is no longer the one the survey listed.
    const platform::SourceFolder* holding(const FilePair& pair);

private:
    bool descend(const std::string& path, const std::string& name);

    const platform::SourceFolder* find(const std::string& sourceFile);

    const RunContext& run_;
    // From the source root down to the folder of the last item, each with its path.
    std::vector<std::pair<std::string, platform::SourceFolder>> levels_;
    // The folder part of the last item's path, while its folder is the deepest level: the
    // next item of that folder needs no other look.
    std::string lastFolder_;
};

} // namespace orvane
