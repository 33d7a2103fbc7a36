#pragma once

#include "qt/OuterSize.h"
#include "qt/SecondaryWindow.h"
#include "qt/WindowDialogs.h"
#include "windowlogic/ViewSync.h"
#include "windowlogic/frmHistory.h"

#include <QPlainTextEdit>

namespace orvane::qt {

// The history window frmHistory in Qt: one read-only text box in Lucida Console on light
// grey, which never wraps lines.
class HistoryWindow final : public SecondaryWindow<windowlogic::HistoryWindowView> {
    Q_OBJECT
public:
    HistoryWindow(windowlogic::frmHistory& logic, const WindowDialogs& dialogs, QWidget* owner);
    void setOuterSize(windowlogic::TwipsSize size) override { outerSize_.set(size); }
    void fitTextBox() override;
    void inform(const std::string& title, const std::string& text) override;

    QPlainTextEdit txtHistory{this};

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    windowlogic::frmHistory& logic_;
    const WindowDialogs& dialogs_;
    // The frame a window manager reports after the window is shown still belongs to the
    // load's size: a text box fitted to the first guess is fitted again.
    bool fitted_ = false;
    OuterSize outerSize_{*this, OuterSize::Fixing::resizable, [this] {
                             if (fitted_) {
                                 fitTextBox();
                             }
                         }};
    windowlogic::ViewSync sync_;
};

} // namespace orvane::qt
