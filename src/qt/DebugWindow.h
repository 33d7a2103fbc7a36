#pragma once

#include "windowlogic/ViewSync.h"
#include "windowlogic/frmDebug.h"

#include <QLabel>
#include <QTimer>
#include <QWidget>

namespace orvane::qt {

// The debug window frmDebug in Qt: two labels and the refresh timer.
class DebugWindow final : public QWidget, public windowlogic::WindowView {
    Q_OBJECT
public:
    DebugWindow(windowlogic::frmDebug& logic, QWidget* owner);

    void bringForward() override;
    void closeWindow() override { close(); }
    void setCaption(const std::string& caption) override;

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
