#pragma once

#include "platform/SystemError.h"

#include <string>

namespace orvane::platform {

// The system's text for a failure, as the user reads it in a log line.
std::string errorText(const SystemError& error);

} // namespace orvane::platform
