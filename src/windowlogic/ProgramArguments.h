#pragma once

#include <string>
#include <vector>

namespace orvane::windowlogic {

// The program's argument text: everything on the command line after the program's name,
// the arguments joined by one blank, as the platform of the first version handed it over.
std::string ArgumentText(const std::vector<std::string>& arguments);

// The argument text of a whole command line as the system hands it to a program (Windows'
// GetCommandLine): what follows the program's name, quoted or not, and the blanks after it.
std::string ArgumentTextOf(const std::string& commandLine);

// Debug mode is the argument text "-debug" in any letter case, and nothing more: "-DEBUG"
// counts, "-debug extra" does not.
bool IsDebugArgument(const std::string& argumentText);

} // namespace orvane::windowlogic
