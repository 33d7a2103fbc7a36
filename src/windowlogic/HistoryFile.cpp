#include "windowlogic/HistoryFile.h"

#include "platform/PathRules.h"

namespace orvane::windowlogic {

std::string HistoryFileName(const std::string& executableName) {
    static constexpr std::string_view beta = "_beta";
    std::string name;
    std::size_t from = 0;
    for (std::size_t found; (found = executableName.find(beta, from)) != std::string::npos;
         from = found + beta.size()) {
        name.append(executableName, from, found - from);
    }
    name.append(executableName, from);
    return name + "_history.txt";
}

std::string HistoryFilePath(const platform::ProgramFolders& folders) {
    return platform::nativePathRules.join(folders.data, HistoryFileName(folders.executableName));
}

} // namespace orvane::windowlogic
