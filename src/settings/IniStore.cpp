#include "settings/IniStore.h"

#include "platform/PathRules.h"
#include "platform/PrivateProfile.h"
#include "platform/RunningProgramFolders.h"

#include <utility>

namespace orvane {

namespace {

// The size of the buffer values are read into, its terminating NUL included: longer values
// come back cut, as they always have.
constexpr std::size_t kReadBufferSize = 2048;

} // namespace

IniStore::IniStore() : IniStore(platform::runningProgramFolders().settingsLocation()) {}

IniStore::IniStore(platform::ProgramLocation program) : program_(std::move(program)) {}

std::string IniStore::iniPath(std::string_view fileName, std::string_view folder) const {
    const std::string_view base = folder.empty() ? program_.folder : folder;
    std::string name(fileName.empty() ? program_.executableName : fileName);
    name.append(".ini");
    return platform::nativePathRules.join(base, name);
}

std::string IniStore::IniRead(std::string_view section, std::string_view key,
                              std::string_view defaultValue, std::string_view fileName,
                              std::string_view folder) const {
    return platform::readProfileString(section, key, defaultValue, kReadBufferSize,
                                       iniPath(fileName, folder));
}

void IniStore::IniWrite(std::string_view section, std::string_view key, std::string_view value,
                        std::string_view fileName, std::string_view folder) const {
    // The outcome is deliberately dropped: settings are a convenience, and a program that
    // cannot store its start counter must still start.
    static_cast<void>(platform::writeProfileString(section, key, value, iniPath(fileName, folder)));
}

} // namespace orvane
