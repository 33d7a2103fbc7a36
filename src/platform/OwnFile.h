#pragma once

#include <optional>
#include <string>

namespace orvane::platform {

// The program's own files (the journals, the day's log files, the INI file) are only ever
// used as plain files: a link in their place is not followed, and a FIFO or a device is not
// opened in a way that could wait for someone at its other end.

// The text for a failure to open one of them: "not a regular file" for a link, a FIFO or
// anything else that is not a plain file, else the system's text.
std::string ownFileFailure(int error);

// "not a regular file" when something other than a plain file stands at the path (a link
// not followed); nothing when it holds a plain file or nothing at all.
std::optional<std::string> notOwnFile(const std::string& path);

} // namespace orvane::platform
