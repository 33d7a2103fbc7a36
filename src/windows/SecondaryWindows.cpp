#include "windows/SecondaryWindows.h"

#include <QLabel>

namespace orvane {

namespace {

// A closed window is unloaded: destroyed, so that its next opening starts from its load.
template <typename Window> Window* unloadedOnClose(Window* window) {
    window->setAttribute(Qt::WA_DeleteOnClose);
    return window;
}

void bringForward(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace

SecondaryWindows::SecondaryWindows(QWidget& owner, SecondaryWindowsContext context)
    : owner_(owner), context_(std::move(context)) {}

SecondaryWindows::~SecondaryWindows() {
    // The report window echoes the log; it must not outlive the commands that opened it.
    unloadReport();
}

frmErr& SecondaryWindows::showReport() {
    if (report_ == nullptr) {
        report_ = unloadedOnClose(new frmErr(context_.log, context_.mainWindow, &owner_));
    }
    bringForward(*report_);
    return *report_;
}

frmDebug& SecondaryWindows::showDebug() {
    if (debug_ == nullptr) {
        debug_ = unloadedOnClose(new frmDebug(context_.state, &owner_));
    }
    bringForward(*debug_);
    return *debug_;
}

void SecondaryWindows::showHistory() {
    if (history_ == nullptr) {
        history_ = unloadedOnClose(
            new frmHistory(context_.historyFile, context_.boxes, context_.yield, &owner_));
    }
    history_->history_load_next();
}

frminfo& SecondaryWindows::showAbout() {
    if (info_ == nullptr) {
        info_ = unloadedOnClose(new frminfo(context_.info, &owner_));
    }
    info_->lbltaal().setText(QStringLiteral("eng"));
    bringForward(*info_);
    return *info_;
}

void SecondaryWindows::unloadReport() {
    // Closing runs the window's unload, which ends the echo before the log is saved.
    if (report_ != nullptr) {
        report_->close();
    }
}

} // namespace orvane
