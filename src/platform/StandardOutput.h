#pragma once

#include <string_view>

namespace orvane::platform {

// Writes the bytes to standard output at once, whatever it is (a terminal, a pipe or a file),
// so that a reader sees each line as it is logged and a killed process has lost nothing it
// printed. False once a write has failed, typically because the reader went away (EPIPE);
// later calls then write nothing.
bool writeStandardOutput(std::string_view bytes);

} // namespace orvane::platform
