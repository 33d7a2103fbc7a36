#pragma once

// Shared by the Windows platform sources only.

#include "platform/windows/SystemPath.h"

#include <optional>
#include <string>

namespace orvane::platform {

// The target of the symbolic link open as `entry` (opened not to follow it), as the link
// states it: a relative one stays relative. Empty, with the system's error set, for any other
// reparse point (a junction, a cloud file's placeholder) and where the system does not say
// (Wine names no link's target).
std::optional<std::wstring> symbolicLinkTarget(HANDLE entry);

// Makes a symbolic link at `path` with that target, to a folder or to a file; where the user
// may not make links (no developer mode, no privilege) false, with the system's error set.
bool makeSymbolicLink(const std::string& path, const std::wstring& target, bool folder);

} // namespace orvane::platform
