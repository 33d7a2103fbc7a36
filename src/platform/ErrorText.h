#pragma once

#include <string>

namespace orvane::platform {

// The system's text for an error number, as the user reads it in a log line.
std::string errorText(int error);

} // namespace orvane::platform
