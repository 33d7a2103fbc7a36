#include "engine/ReopenedFolders.h"

namespace orvane {

namespace {

// The folder names between the source root and the file, or nothing for a file outside it.
std::optional<std::vector<std::string>> foldersBelowRoot(const platform::PathRules& paths,
                                                         const std::string& root,
                                                         const std::string& file) {
    // What the root's names follow: the root as the walk joins a name to it.
    const std::string prefix = paths.join(root, "");
    if (!file.starts_with(prefix)) {
        return std::nullopt;
    }
    std::vector<std::string> names;
    std::size_t start = prefix.size();
    for (auto end = file.find(paths.separator(), start); end != std::string::npos;
         end = file.find(paths.separator(), start)) {
        names.push_back(file.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

} // namespace

bool ReopenedFolders::descend(const std::string& path, const std::string& name) {
    platform::SourceFolder folder = levels_.empty()
                                        ? platform::SourceFolder(path)
                                        : platform::SourceFolder(levels_.back().second, name);
    const auto listed = run_.state.listedFolders.find(path);
    if (!folder.isOpen() || listed == run_.state.listedFolders.end() ||
        listed->second != folder.identity()) {
        return false;
    }
    levels_.emplace_back(path, std::move(folder));
    return true;
}

const platform::SourceFolder* ReopenedFolders::holding(const FilePair& pair) {
    const std::string_view folder = pair.sourceFolderPart();
    if (!levels_.empty() && !lastFolder_.empty() && folder == lastFolder_) {
        return &levels_.back().second;
    }
    const platform::SourceFolder* found = find(pair.source);
    lastFolder_.assign(found ? folder : std::string_view{});
    return found;
}

const platform::SourceFolder* ReopenedFolders::find(const std::string& sourceFile) {
    const std::string root = run_.window.txtSource.caption();
    const auto names = foldersBelowRoot(run_.paths, root, sourceFile);
    if (!names) {
        return nullptr;
    }
    // The levels already open that lie on this file's path stay; the others are closed.
    std::string path = root;
    std::size_t depth = 0;
    if (levels_.empty() || levels_.front().first != root) {
        levels_.clear();
    } else {
        for (depth = 1; depth < levels_.size() && depth <= names->size() &&
                        levels_[depth].first == run_.paths.join(path, (*names)[depth - 1]);
             ++depth) {
            path = levels_[depth].first;
        }
        levels_.erase(levels_.begin() + static_cast<std::ptrdiff_t>(depth), levels_.end());
    }
    if (levels_.empty() && !descend(root, "")) {
        return nullptr;
    }
    for (std::size_t level = levels_.size() - 1; level < names->size(); ++level) {
        path = run_.paths.join(path, (*names)[level]);
        if (!descend(path, (*names)[level])) {
            return nullptr;
        }
    }
    return &levels_.back().second;
}

} // namespace orvane
