#include "windowlogic/SecondaryWindows.h"

#include "windowlogic/MainWindowView.h"

namespace orvane::windowlogic {

SecondaryWindows::SecondaryWindows(SecondaryWindowsContext context)
    : context_(std::move(context)) {}

SecondaryWindows::~SecondaryWindows() {
    // The report window echoes the log; it must not outlive the commands that opened it.
    unloadReport();
}

// A window that was closed is unloaded: the next command replaces it by a fresh one, which
// loads again. The closed one goes with its toolkit's window.
frmErr& SecondaryWindows::showReport() {
    if (report() == nullptr) {
        report_.reset();
        report_ =
            std::make_unique<frmErr>(context_.log, context_.mainWindowElements, context_.maker);
    }
    report_->view().bringForward();
    return *report_;
}

frmDebug& SecondaryWindows::showDebug() {
    if (debug() == nullptr) {
        debug_.reset();
        debug_ =
            std::make_unique<frmDebug>(context_.state, context_.decimalSeparator, context_.maker);
    }
    debug_->view().bringForward();
    return *debug_;
}

void SecondaryWindows::showHistory() {
    if (history() == nullptr) {
        history_.reset();
        history_ = std::make_unique<frmHistory>(
            context_.historyFile, [this] { context_.mainWindow.handleEvents(); }, context_.maker);
    }
    history_->history_load_next();
}

frminfo& SecondaryWindows::showAbout() {
    if (info() == nullptr) {
        info_.reset();
        info_ = std::make_unique<frminfo>(context_.info(), context_.mainWindow, context_.maker);
    }
    info_->lbltaal.setCaption("eng");
    info_->view().bringForward();
    return *info_;
}

void SecondaryWindows::unloadReport() {
    // Closing runs the window's unload, which ends the echo before the log is saved; it is run
    // here as well, as the save must not depend on how a toolkit closes a window.
    if (report() != nullptr) {
        report_->view().closeWindow();
        report_->Form_Unload();
    }
}

} // namespace orvane::windowlogic
