#pragma once

#include "windowlogic/Twips.h"

#include <memory>
#include <string>

namespace orvane::windowlogic {

class frmDebug;
class frmErr;
class frmHistory;
class frminfo;

// A secondary window as its logic sees it. The toolkit's window runs the logic's unload
// when it is closed, by the user or by closeWindow().
class WindowView {
public:
    virtual ~WindowView() = default;
    // Shows the window without blocking the main window, in front of it.
    virtual void bringForward() = 0;
    virtual void closeWindow() = 0;
    virtual void setCaption(const std::string& caption) = 0;
};

class HistoryWindowView : public WindowView {
public:
    // The window's outer size (title bar and borders inside it); see InnerSize.
    virtual void setOuterSize(TwipsSize size) = 0;
    // Makes the text box as wide and as high as the window's inner area.
    virtual void fitTextBox() = 0;
    // A modal information box with an OK button, owned by this window.
    virtual void inform(const std::string& title, const std::string& text) = 0;
};

struct Colour {
    int red = 0, green = 0, blue = 0;
    bool operator==(const Colour&) const = default;
};

// The mouse pointer over a window, by the codes the windows were designed with.
enum class Pointer { arrow = 1, upArrow = 10 };

class InfoWindowView : public WindowView {
public:
    // Widths in twips: of the window's inner area, of the whole window, and of the product
    // name's label as its caption makes it.
    virtual int innerWidth() const = 0;
    virtual int outerWidth() const = 0;
    virtual int productWidth() const = 0;
    // Places the product name's left edge, in twips.
    virtual void moveProduct(int left) = 0;
    virtual Colour linkColour(int index) const = 0;
    virtual void setLinkLook(int index, bool bold, Colour colour) = 0;
    virtual void setPointer(Pointer pointer) = 0;
};

// Makes the toolkit's window for a secondary window's logic, owned by that logic. The window
// binds the logic's elements; it is shown when the logic says so.
class WindowMaker {
public:
    virtual ~WindowMaker() = default;
    virtual std::unique_ptr<WindowView> makeReportWindow(frmErr& logic) = 0;
    virtual std::unique_ptr<WindowView> makeDebugWindow(frmDebug& logic) = 0;
    virtual std::unique_ptr<HistoryWindowView> makeHistoryWindow(frmHistory& logic) = 0;
    virtual std::unique_ptr<InfoWindowView> makeInfoWindow(frminfo& logic) = 0;
};

} // namespace orvane::windowlogic
