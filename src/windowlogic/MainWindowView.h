#pragma once

#include "windowlogic/EventPump.h"
#include "windowlogic/MainWindowLayout.h"
#include "windowlogic/Twips.h"

#include <string>

namespace orvane::windowlogic {

// What the main window's logic asks of the toolkit that shows it. The controls' texts and
// states are the plain elements the toolkit binds; this is what is not a control's state:
// the window itself, its boxes and dialogs, the browser, the event loop and the end.
class MainWindowView : public EventQueue {
public:
    // The window's outer size (title bar, menu bar and borders inside it); see InnerSize.
    virtual void setOuterSize(TwipsSize size) = 0;
    virtual void setCaption(const std::string& caption) = 0;
    // Moves a control to a place in its parent's area, in twips; its size stays.
    virtual void moveControl(MainControl control, int left, int top) = 0;
    // The copy list is seen only while the window is widened.
    virtual void showCopyList(bool shown) = 0;

    // A modal warning box titled with the program's title, with OK and Cancel; true for OK.
    virtual bool confirm(const std::string& text) = 0;
    // A modal information box with an OK button.
    virtual void inform(const std::string& title, const std::string& text) = 0;
    // The folder dialog, modal to the window, opened at a special folder (see FolderPicker)
    // within the root one. The chosen folder's path, or empty text when cancelled.
    virtual std::string chooseFolder(const std::string& title, int startFolder, int rootFolder) = 0;
    // Opens a web page in the user's default browser; whether that worked is not checked.
    virtual void openWebPage(const std::string& address) = 0;
    // Ends the program once the window has unloaded (the event loop returns).
    virtual void endProgram() = 0;
};

} // namespace orvane::windowlogic
