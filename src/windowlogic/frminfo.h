#pragma once

#include "state/Control.h"
#include "windowlogic/ControlPlace.h"
#include "windowlogic/SecondaryWindowViews.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace orvane::windowlogic {

class MainWindowView;

// What the info window shows that comes from outside it; tests set a clock of their own.
struct InfoFacts {
    std::string title;    // the application title, the scrolling product name
    std::string comments; // the comments text of the version information
    std::int32_t usageCount = 1;
    std::function<int()> currentYear;
};

// The about window: the scrolling product name, the copyright line, the program's version,
// status and use count, and two web links that light up under the pointer.
class frminfo {
public:
    // The window's own area, in twips; InfoWindowLayout places its controls.
    static constexpr TwipsSize kSize{5400, 5760};
    static constexpr FontSpec kFont{"MS Sans Serif", 8};
    static constexpr FontSpec kProductFont{"Comic Sans MS", 18};
    static constexpr std::string_view kBackTip = "Go back to main window";
    static constexpr int kProductLeft = 120; // twips, where the product name is laid out
    static constexpr int kScrollStep = 58;   // twips per tick
    static constexpr int kScrollMs = 36;
    static constexpr Colour kDarkRed{192, 0, 0};
    static constexpr Colour kPureRed{255, 0, 0};

    // The web pages open through `mainWindow`.
    frminfo(InfoFacts facts, MainWindowView& mainWindow, WindowMaker& maker);

    void Form_Activate();
    void tmrtitlescrl_Timer();
    void lblsite_MouseMove(int index);
    void Frame1_MouseMove();
    void lblsite_Click(int index);
    void Image1_Click();
    void cmdback_Click() { view_->closeWindow(); }
    // The window's toolkit calls it when the window is closed.
    void Form_Unload();
    bool loaded() const { return loaded_; }

    Control lblproduct;
    Control lblcopyright;
    Control lblversion{"Version: "};
    Control lblware;
    Control lbluse{"Total used: "};
    Control Label1;
    Control lblComments;
    Control lbltaal{"eng"};
    std::array<Control, 2> lblsite;
    // The title scroll; runs while enabled, every kScrollMs.
    Control tmrtitlescrl{"", false};
    // The product name's left edge, in twips; the scroll keeps it exact, in twips.
    int productLeft() const { return productLeft_; }
    InfoWindowView& view() { return *view_; }

private:
    void Form_Load();
    void showEnglishTexts();

    InfoFacts facts_;
    MainWindowView& mainWindow_;
    Colour savedLinkColour_ = kDarkRed;
    int productLeft_ = kProductLeft;
    bool loaded_ = false;
    std::unique_ptr<InfoWindowView> view_;
};

} // namespace orvane::windowlogic
