#pragma once

#include "progressbar/pcPropertyBag.h"

namespace orvane {

// The stored settings of the main window's three bars, as a window loads them through
// pcProgressBar::ReadProperties.
pcPropertyBag pbFileCopySettings();
pcPropertyBag pbTotalFilesSettings();
pcPropertyBag pbSaveLogSettings();

} // namespace orvane
