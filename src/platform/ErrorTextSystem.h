#pragma once

#include <string>

namespace orvane::platform {

// The system's own text for one of its error numbers; used only inside the platform.
std::string systemErrorText(int code);

} // namespace orvane::platform
