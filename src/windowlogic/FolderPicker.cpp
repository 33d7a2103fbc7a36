#include "windowlogic/FolderPicker.h"

#include "platform/PathRules.h"
#include "windowlogic/MainWindowView.h"

namespace orvane::windowlogic {

std::string BrowseForFolder(MainWindowView& window, std::string& title,
                            std::optional<int> startFolder, int rootFolder) {
    if (title.empty()) {
        title = "Browse for a folder";
    }
    std::string chosen = window.chooseFolder(title, startFolder.value_or(rootFolder), rootFolder);
    const platform::PathRules& rules = platform::nativePathRules;
    while (!chosen.empty() && chosen.back() == rules.separator() && !rules.isRoot(chosen)) {
        chosen.pop_back();
    }
    return chosen;
}

} // namespace orvane::windowlogic
