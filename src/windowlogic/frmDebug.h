#pragma once

#include "state/Control.h"
#include "windowlogic/SecondaryWindowViews.h"

#include <memory>
#include <string>

namespace orvane {
struct RunState;
} // namespace orvane

namespace orvane::windowlogic {

// The debug window: the run's two byte totals exactly as they are stored, refreshed twice a
// second while the window is open, during runs and between them. It never writes them.
class frmDebug {
public:
    static constexpr int kRefreshMs = 500;
    // The window's own area and the places of its two labels, in twips.
    static constexpr TwipsSize kSize{4800, 855};
    static constexpr TwipsRect kTotalPlace{120, 120, 4560, 255};
    static constexpr TwipsRect kTransferredPlace{120, 480, 4560, 255};

    frmDebug(const RunState& state, std::string decimalSeparator, WindowMaker& maker);

    void Timer1_Timer();
    // Closing the window stops its timer.
    void Form_Unload() { Timer1.setEnabled(false); }
    bool loaded() const { return Timer1.enabled(); }

    Control lblCTotalFileSize{"Label1"};
    Control lblCTotalFileSizeTrans{"Label1"};
    // Runs while enabled, every kRefreshMs.
    Control Timer1;
    WindowView& view() { return *view_; }

private:
    const RunState& state_;
    std::string decimalSeparator_;
    std::unique_ptr<WindowView> view_;
};

} // namespace orvane::windowlogic
