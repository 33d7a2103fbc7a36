#pragma once

#include <string>
#include <vector>

namespace orvane::platform {

// The program's arguments after its own name, as UTF-8 texts. Windows hands a program its
// arguments in UTF-16; the narrow argv there holds the ANSI code page's approximation of
// them, which loses every character outside it, so on Windows they are asked of the system.
// There "/" in a path becomes "\", and the console is set to show the program's UTF-8 output.
std::vector<std::string> commandLineArguments(int argc, char** argv);

} // namespace orvane::platform
