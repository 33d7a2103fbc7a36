#pragma once

#include "state/Control.h"
#include "state/YieldHook.h"
#include "windowlogic/ControlPlace.h"
#include "windowlogic/SecondaryWindowViews.h"

#include <memory>
#include <string>

namespace orvane::windowlogic {

// The history window: the program's version history, read from the text file beside the
// executable. The Help menu calls history_load_next on every use; the first call loads and
// shows the window, each call reads the file afresh. Without a history to show the user is
// told so and the window closes.
class frmHistory {
public:
    static constexpr TwipsSize kSize{5370, 6585};
    static constexpr FontSpec kFont{"Lucida Console", 9};
    static constexpr Colour kBackground{224, 224, 224};

    // `historyFile` is the full path of the history file; `yield` lets the window paint and
    // the run go on between lines.
    frmHistory(std::string historyFile, YieldHook yield, WindowMaker& maker);

    void history_load_next();
    // The window's toolkit calls it when the window is closed: the next use loads it again.
    void Form_Unload() { loaded_ = false; }
    bool loaded() const { return loaded_; }

    // The text box's content, its lines joined by CR LF.
    Control txtHistory;
    HistoryWindowView& view() { return *view_; }

private:
    void Form_Load();
    void readFile();

    std::string historyFile_;
    YieldHook yield_;
    bool loaded_ = false;
    std::unique_ptr<HistoryWindowView> view_;
};

} // namespace orvane::windowlogic
