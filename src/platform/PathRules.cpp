#include "platform/PathRules.h"

#include <optional>
#include <vector>

namespace orvane::platform {

bool PathRules::isNetworkPath(std::string_view path) const {
    return style_ == PathStyle::Windows && path.starts_with("\\\\");
}

bool PathRules::isRoot(std::string_view folder) const {
    if (style_ == PathStyle::Posix) {
        return folder == "/";
    }
    if (isNetworkPath(folder)) {
        return folder.ends_with('\\') && rootOf(folder) == folder;
    }
    return folder.size() == 3 && folder.substr(1) == ":\\";
}

bool PathRules::descendsInto(std::string_view folder) const {
    return style_ == PathStyle::Posix || isRoot(folder) || folder.size() > 3;
}

std::string PathRules::join(std::string_view folder, std::string_view name) const {
    std::string joined(folder);
    // A folder that ends with a separator (a root, the contents of a source typed with one,
    // the destination such a source gets) takes the name as it is: a doubled separator would
    // put the name outside the tree for every walk that follows the path part by part.
    const bool bare =
        folder.ends_with(separator()) || (style_ == PathStyle::Windows && folder.size() <= 3);
    if (!bare) {
        joined += separator();
    }
    joined += name;
    return joined;
}

std::string PathRules::lastPart(std::string_view path) const {
    return std::string(lastPartView(path));
}

std::string PathRules::folderPart(std::string_view path) const {
    return std::string(folderPartView(path));
}

std::string_view PathRules::lastPartView(std::string_view path) const {
    const auto cut = path.rfind(separator());
    return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

std::string_view PathRules::folderPartView(std::string_view path) const {
    const auto cut = path.rfind(separator());
    return cut == std::string_view::npos ? std::string_view{} : path.substr(0, cut + 1);
}

std::string PathRules::reduceDoubledSeparators(std::string_view path) const {
    std::string reduced;
    reduced.reserve(path.size());
    // A network path's two leading separators are its own, not a doubled one.
    const std::size_t kept = isNetworkPath(path) ? 2 : 0;
    reduced += path.substr(0, kept);
    for (std::size_t i = kept; i < path.size(); ++i) {
        reduced += path[i];
        if (path[i] == separator() && i + 1 < path.size() && path[i + 1] == separator()) {
            ++i;
        }
    }
    return reduced;
}

std::string_view PathRules::rootOf(std::string_view path) const {
    if (style_ == PathStyle::Windows && path.size() >= 3 && path.substr(1, 2) == ":\\") {
        return path.substr(0, 3);
    }
    if (isNetworkPath(path)) {
        // \\server\share\ as a whole: nothing above the share can be reached from it.
        const auto server = path.find('\\', 2);
        const auto share = server == std::string_view::npos ? server : path.find('\\', server + 1);
        return share == std::string_view::npos ? path : path.substr(0, share + 1);
    }
    return !path.empty() && path.front() == separator() ? path.substr(0, 1) : std::string_view{};
}

std::string PathRules::absoluteWithDotsResolved(std::string_view path,
                                                std::string_view currentFolder) const {
    if (rootOf(path).empty() && rootOf(currentFolder).empty()) {
        return {};
    }
    const std::string whole = rootOf(path).empty() ? join(currentFolder, path) : std::string(path);
    const std::string_view root = rootOf(whole);
    std::vector<std::string_view> parts;
    std::string_view rest = std::string_view(whole).substr(root.size());
    while (!rest.empty()) {
        const auto cut = rest.find(separator());
        const std::string_view part = rest.substr(0, cut);
        rest = cut == std::string_view::npos ? std::string_view{} : rest.substr(cut + 1);
        if (part == "..") {
            if (!parts.empty()) {
                parts.pop_back();
            }
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
    }
    std::string resolved(root);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) {
            resolved += separator();
        }
        resolved += parts[i];
    }
    if (!parts.empty() && path.ends_with(separator())) {
        resolved += separator();
    }
    return resolved;
}

namespace {

// The part of the path after a leading source root that ends at a folder boundary, or
// nothing when the path does not begin so.
std::optional<std::string_view> belowSourceRoot(std::string_view path, std::string_view sourceRoot,
                                                char separator) {
    if (sourceRoot.empty() || !path.starts_with(sourceRoot)) {
        return std::nullopt;
    }
    const std::string_view rest = path.substr(sourceRoot.size());
    if (!rest.empty() && sourceRoot.back() != separator && rest.front() != separator) {
        return std::nullopt;
    }
    return rest;
}

} // namespace

std::string PathRules::mapToDestination(std::string_view path, std::string_view sourceRoot,
                                        std::string_view destinationRoot) const {
    std::string mapped;
    appendMapped(mapped, path, sourceRoot, destinationRoot);
    return mapped;
}

void PathRules::appendMapped(std::string& mapped, std::string_view path,
                             std::string_view sourceRoot, std::string_view destinationRoot) const {
    if (const auto rest = belowSourceRoot(path, sourceRoot, separator())) {
        mapped.append(destinationRoot);
        mapped.append(*rest);
    } else {
        mapped.append(path);
    }
}

bool PathRules::mapsTo(std::string_view path, std::string_view destination,
                       std::string_view sourceRoot, std::string_view destinationRoot) const {
    const auto rest = belowSourceRoot(path, sourceRoot, separator());
    if (!rest) {
        return destination == path;
    }
    return destination.size() == destinationRoot.size() + rest->size() &&
           destination.starts_with(destinationRoot) && destination.ends_with(*rest);
}

} // namespace orvane::platform
