#pragma once

#include "qt/SecondaryWindow.h"
#include "windowlogic/ViewSync.h"
#include "windowlogic/frmDebug.h"

#include <QLabel>
#include <QTimer>

namespace orvane::qt {

// The debug window frmDebug in Qt: two labels and the refresh timer.
class DebugWindow final : public SecondaryWindow<windowlogic::WindowView> {
    Q_OBJECT
public:
    DebugWindow(windowlogic::frmDebug& logic, QWidget* owner);

    QLabel lblCTotalFileSize{this};
    QLabel lblCTotalFileSizeTrans{this};
    QTimer Timer1;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    windowlogic::frmDebug& logic_;
    windowlogic::ViewSync sync_;
};

} // namespace orvane::qt
