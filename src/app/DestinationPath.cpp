#include "app/DestinationPath.h"

#include "platform/FolderContainment.h"

namespace orvane {

std::string ComposeDestination(const platform::PathRules& paths, const std::string& chosen,
                               const std::string& sourceName) {
    return paths.reduceDoubledSeparators(chosen + paths.separator() + sourceName);
}

std::string RestoreDestination(const platform::PathRules& paths, const std::string& composed,
                               const std::string& sourceName, bool composedThisRun) {
    std::string text = composed;
    const std::string ending = paths.separator() + sourceName;
    if (composedThisRun && text.ends_with(ending)) {
        text.erase(text.size() - ending.size());
    }
    if (!text.ends_with(paths.separator())) {
        text += paths.separator();
    }
    return text;
}

bool DestinationInsideSource(const std::string& source, const std::string& destination) {
    return platform::liesWithin(destination, source);
}

std::string AbsoluteSource(const platform::PathRules& paths, const std::string& typed) {
    return paths.absoluteWithDotsResolved(typed, platform::currentFolder());
}

} // namespace orvane
