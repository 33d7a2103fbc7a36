#pragma once

// Shared by the platform's own sources only: names and renames in a folder held open.

#include <string>

namespace orvane::platform {

// A hidden name beside `name` that no other run makes: the name, the mark, the process and a
// count. A name near the length limit cannot carry all that and is hashed.
std::string privateNameFor(const std::string& name, const char* mark);

// Gives the entry `from` the name `to` only while no entry has it, by the surest means the
// file system offers: a rename that refuses to replace; where that flag is missing (FUSE
// ones), a hard link, which never replaces either; where hard links are missing too (FAT,
// exFAT), a plain rename right after seeing the name free. Only that last way leaves a window,
// between the look and the rename, in which an entry made by someone else would be replaced.
// False with errno set (EEXIST when the name is taken).
bool renameWithoutReplacing(int folder, const std::string& from, const std::string& to);

} // namespace orvane::platform
