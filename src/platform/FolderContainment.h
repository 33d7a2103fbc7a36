#pragma once

#include <string>

namespace orvane::platform {

// True when `path` is the folder `folder` or lies below it. Judged by identity (device and
// inode): the folder is compared with the path itself and with each of its existing
// ancestors, after links and "." and ".." in the path are resolved. A second mount of the
// same folder (`mount --bind`) or a link gives another text for the same folder; neither can
// hide it. False when the folder cannot be examined or the path cannot be resolved.
bool liesWithin(const std::string& path, const std::string& folder);

// The process's current folder, or an empty text when the system cannot name it.
std::string currentFolder();

} // namespace orvane::platform
