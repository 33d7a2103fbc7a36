#pragma once

#include "progressbar/gdi/pcProgressBar.h"
#include "state/Control.h"
#include "state/ProgressElement.h"
#include "windowlogic/ViewSync.h"

#include <windows.h>

#include <functional>

namespace orvane::win32 {

using windowlogic::ViewSync;

// Shows an element by its control: now, and at every assignment to the element, through
// `sync`. Only what changed is passed on, so an unchanged caption does not repaint.
void BindWith(ViewSync& sync, ChangeSignal& changed, std::function<void()> show);

// The caption as the control's window text, and the enabled and visible states.
void ShowControl(const Control& element, HWND control);
// A label, a button or a text box.
void BindControl(ViewSync& sync, Control& element, HWND control);
// A frame: its caption on the group box, its states on the panel that holds its controls;
// `shown` follows each showing.
void BindFrame(ViewSync& sync, Control& element, HWND panel, HWND box,
               std::function<void()> shown = {});
// A text box is bound both ways: BindControl shows the run's text in the box (the composed
// destination), and at its EN_CHANGE what the user typed becomes the element's text.
void TextBoxChanged(Control& element, HWND box);
// The timer runs while the element is enabled; at once, also during a run, so the clock stops
// when the list copy ends.
void BindTimer(Control& element, HWND window, UINT_PTR id, UINT interval);
void BindProgress(ViewSync& sync, ProgressElement& element, pcProgressBar& bar);

// The caption of a secondary window's label, shown at once at every assignment.
void BindCaption(Control& element, HWND control);

} // namespace orvane::win32
