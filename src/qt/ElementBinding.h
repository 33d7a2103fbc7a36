#pragma once

#include "state/Control.h"
#include "windowlogic/ViewSync.h"

class QAbstractButton;
class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QTimer;
class QWidget;

namespace orvane::qt {

using windowlogic::ViewSync;

// Each function shows an element of the main window by its widget: it copies the element's
// states to the widget now and again at every assignment to the element, through `sync`. Only the
// states that changed are passed on, so an assignment of an unchanged caption does not repaint.
void BindLabel(ViewSync& sync, Control& element, QLabel& label);
// A label of several lines whose every line's beginning stays in view, however long the
// line (see FitLines); the whole caption is its tooltip when part of it had to give way.
void BindFittedLabel(ViewSync& sync, Control& element, QLabel& label);
void BindButton(ViewSync& sync, Control& element, QAbstractButton& button);
void BindFrame(ViewSync& sync, Control& element, QGroupBox& frame);
void BindMenu(ViewSync& sync, Control& element, QMenu& menu);
// A check mark is shown on an entry made checkable.
void BindMenuEntry(ViewSync& sync, Control& element, QAction& entry);
// A text box of several lines, CR LF between them, that the user only reads.
void BindTextArea(ViewSync& sync, Control& element, QPlainTextEdit& box);
// The timer runs while the element is enabled; a new start begins a full period.
void BindTimer(Control& element, QTimer& timer);
// Both ways: the run writes the composed destination into the box, and what the user types
// becomes the element's text, which the run reads.
void BindTextBox(ViewSync& sync, Control& element, QLineEdit& box);

} // namespace orvane::qt
