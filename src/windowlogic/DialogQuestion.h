#pragma once

#include "app/OptionQuestion.h"
#include "windowlogic/MainWindowView.h"
#include "windowlogic/ViewSync.h"

namespace orvane::windowlogic {

// The run controller's confirmation, asked in the window's box. The window shows the run's
// state first: the box has an event loop of its own, in which the window repaints.
class DialogQuestion final : public OptionQuestion {
public:
    DialogQuestion(MainWindowView& window, ViewSync& sync) : window_(window), sync_(sync) {}
    bool confirm(const std::string& text) override {
        sync_.flush();
        return window_.confirm(text);
    }

private:
    MainWindowView& window_;
    ViewSync& sync_;
};

} // namespace orvane::windowlogic
