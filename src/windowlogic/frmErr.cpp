#include "windowlogic/frmErr.h"

#include "state/MainWindowElements.h"
#include "support/SessionLog.h"

namespace orvane::windowlogic {

frmErr::frmErr(SessionLog& log, MainWindowElements& mainWindow, WindowMaker& maker)
    : log_(log), mainWindow_(mainWindow), view_(maker.makeReportWindow(*this)) {
    Form_Load();
}

frmErr::~frmErr() {
    Form_Unload();
}

void frmErr::Form_Load() {
    mainWindow_.lblSave.setCaption("Loading log entry's");
    // The panel's Cancel cannot act during a load that does not yield; it is not offered.
    const bool cancelShown = mainWindow_.cmdCancelLoad.visible();
    mainWindow_.cmdCancelLoad.setVisible(false);
    mainWindow_.fraSave.setVisible(true);
    copyLog();
    mainWindow_.fraSave.setVisible(false);
    mainWindow_.cmdCancelLoad.setVisible(cancelShown);

    log_.attachReportList(&lstErr);
    log_.ReportLive = true;
    loaded_ = true;
}

void frmErr::copyLog() {
    ProgressElement& bar = mainWindow_.pbSaveLog;
    bar.setMax(static_cast<int>(log_.count()));
    bar.setValue(0);
    // The end is the log's count at each step, not at the start: a line appended by whatever
    // repaints the bar would otherwise be neither copied nor echoed, as the window is not
    // live yet.
    for (std::size_t i = 1; i <= log_.count(); ++i) {
        if (static_cast<std::size_t>(bar.Max()) < log_.count()) {
            bar.setMax(static_cast<int>(log_.count()));
        }
        bar.setValue(bar.Value() + 1);
        lstErr.add(log_.line(i));
    }
}

void frmErr::Form_Unload() {
    // Once only: a window closed and then destroyed may outlive the log.
    if (!loaded_) {
        return;
    }
    loaded_ = false;
    log_.ReportLive = false;
    log_.attachReportList(nullptr);
}

} // namespace orvane::windowlogic
