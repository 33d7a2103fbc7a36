#include "windows/SecondaryWindows.h"

#include <QLabel>

namespace orvane::windows {

namespace {

// A closed window is unloaded: destroyed, so that its next opening starts from its load.
template <typename Window> Window* unloadedOnClose(Window* window) {
    window->setAttribute(Qt::WA_DeleteOnClose);
    return window;
}

// A closed window waits for its deletion until the event loop next runs; until then it is
// already unloaded and must not be used again.
template <typename Window> bool loaded(const QPointer<Window>& window) {
    return window != nullptr && window->isVisible();
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
    if (!loaded(report_)) {
        report_ = unloadedOnClose(new frmErr(context_.log, context_.mainWindow, &owner_));
    }
    bringForward(*report_);
    return *report_;
}

frmDebug& SecondaryWindows::showDebug() {
    if (!loaded(debug_)) {
        debug_ = unloadedOnClose(new frmDebug(context_.state, &owner_));
    }
    bringForward(*debug_);
    return *debug_;
}

void SecondaryWindows::showHistory() {
    if (!loaded(history_)) {
        history_ = unloadedOnClose(
            new frmHistory(context_.historyFile, context_.dialogs, context_.yield, &owner_));
    }
    history_->history_load_next();
}

frminfo& SecondaryWindows::showAbout() {
    if (!loaded(info_)) {
        info_ =
            unloadedOnClose(new frminfo(context_.info(), context_.dialogs.openWebPage, &owner_));
    }
    info_->lbltaal().setText(QStringLiteral("eng"));
    bringForward(*info_);
    return *info_;
}

void SecondaryWindows::unloadReport() {
    // Closing runs the window's unload, which ends the echo before the log is saved.
    if (loaded(report_)) {
        report_->close();
    }
}

} // namespace orvane::windows
