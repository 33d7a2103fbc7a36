#pragma once

#include <string_view>

namespace orvane::platform {

// Writes the bytes to standard output at once, whatever it is (a terminal, a pipe or a file),
// so that a reader sees each line as it is logged and a killed process has lost nothing it
// printed. False once a write has failed, typically because the reader went away (EPIPE);
// later calls then write nothing.
bool writeStandardOutput(std::string_view bytes);
// The same for a line and its end, written together without a copy of the line first.
bool writeStandardOutputLine(std::string_view line);

// Gives each of standard input, output and error that a program was started without (`>&-`,
// as some service managers and scripts start programs) the null device. Called first thing:
// otherwise the first file the program opens takes that number, and what is meant for the
// terminal is written into it (the session's journal, say).
void openClosedStandardStreams();

} // namespace orvane::platform
