#pragma once

#include <string>

namespace orvane::platform {

// The full path of the running program's file, or empty when the system does not tell it;
// used only inside the platform.
std::string executablePath();

} // namespace orvane::platform
