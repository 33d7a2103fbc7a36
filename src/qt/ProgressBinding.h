#pragma once

#include "progressbar/qt/pcProgressBar.h"
#include "state/ProgressElement.h"
#include "windowlogic/ViewSync.h"

namespace orvane::qt {

using windowlogic::ViewSync;

// The widget that shows a progress element on the main window.
using ProgressBarWidget = pcProgressBar;

// Shows the element's Max, Value and Text on the bar, now and at every assignment. Only what
// changed is assigned: every assignment composes the whole bar anew.
void BindProgress(ViewSync& sync, ProgressElement& element, ProgressBarWidget& bar);

} // namespace orvane::qt
