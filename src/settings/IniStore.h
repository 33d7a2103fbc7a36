#pragma once

#include "platform/ProgramLocation.h"

#include <string>
#include <string_view>

namespace orvane {

// The program's settings file: a private-profile file named after the executable, in the
// settings folder the store is given (beside the executable, unless the program is
// installed). Each call names its file by two optional texts; an empty one means the default:
//
//   file name  folder   file used
//   empty      empty    settings folder / executable name .ini
//   empty      given    folder / executable name .ini
//   given      given    folder / file name .ini
//   given      empty    settings folder / file name .ini
//
// ".ini" is always appended, so a file name passed in must not carry it.
class IniStore {
public:
    // The store of the running program, in the settings folder of its layout.
    IniStore();
    // A store whose settings folder and executable name are given.
    explicit IniStore(platform::ProgramLocation program);

    // The stored value, or the default when the file or the key is missing. Blanks around
    // the value are trimmed, and at most 2047 characters come back.
    std::string IniRead(std::string_view section, std::string_view key,
                        std::string_view defaultValue, std::string_view fileName,
                        std::string_view folder) const;

    // Stores key=value in the section, creating file and section when needed. An empty value
    // deletes the key; an empty key deletes the whole section, whatever the value. A write
    // that fails (a read-only folder, say) is silent: the next read sees the old value.
    void IniWrite(std::string_view section, std::string_view key, std::string_view value,
                  std::string_view fileName, std::string_view folder) const;

    std::string iniPath(std::string_view fileName, std::string_view folder) const;

private:
    platform::ProgramLocation program_;
};

} // namespace orvane
