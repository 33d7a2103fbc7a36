#include "windowlogic/frmDebug.h"

#include "state/RunState.h"

namespace orvane::windowlogic {

frmDebug::frmDebug(const RunState& state, std::string decimalSeparator, WindowMaker& maker)
    : state_(state), decimalSeparator_(std::move(decimalSeparator)),
      view_(maker.makeDebugWindow(*this)) {}

void frmDebug::Timer1_Timer() {
    lblCTotalFileSize.setCaption("CTotalFileSize: " +
                                 state_.CTotalFileSize.decimalText(decimalSeparator_));
    lblCTotalFileSizeTrans.setCaption("CTotalFileSizetrans: " +
                                      state_.CTotalFileSizetrans.decimalText(decimalSeparator_));
}

} // namespace orvane::windowlogic
