#pragma once

#include "state/MainWindowElements.h"

#include <string>

namespace orvane {

// The copy-status panel in one line, for a terminal: files, current file, elapsed time,
// rate, time left and the whole run's percentage, as the window shows them.
std::string StatusLine(const MainWindowElements& window);

} // namespace orvane
