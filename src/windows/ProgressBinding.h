#pragma once

#include "state/ProgressElement.h"

#include <QProgressBar>

namespace orvane::windows {

// The widget that shows a progress element on the main window.
using ProgressBarWidget = QProgressBar;

// Shows the element's Max, Value and Text on the bar, now and at every assignment.
void BindProgress(ProgressElement& element, ProgressBarWidget& bar);

} // namespace orvane::windows
