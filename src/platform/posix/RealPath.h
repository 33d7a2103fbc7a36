#pragma once

#include <string>

namespace orvane::platform {

// The absolute path a folder has or would have, with links and "." and ".." resolved as far
// as the path exists: the nearest existing folder upward is resolved by the system and the
// missing rest is added after it, normalised. Links therefore cannot hide that one path
// lies inside another. Empty when not even a start can be resolved.
std::string resolvedPath(const std::string& path);

} // namespace orvane::platform
