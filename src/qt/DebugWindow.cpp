#include "qt/DebugWindow.h"

#include "qt/ElementBinding.h"
#include "qt/PixelRect.h"

#include <QCloseEvent>

namespace orvane::qt {

DebugWindow::DebugWindow(windowlogic::frmDebug& logic, QWidget* owner)
    : SecondaryWindow(owner), logic_(logic) {
    setWindowTitle(QStringLiteral("Debug"));
    const double dpi = logicalDpiX();
    using windowlogic::frmDebug;
    resize(windowlogic::TwipsToPixels(frmDebug::kSize.width, dpi),
           windowlogic::TwipsToPixels(frmDebug::kSize.height, dpi));
    lblCTotalFileSize.setGeometry(PixelRect(frmDebug::kTotalPlace, dpi));
    lblCTotalFileSizeTrans.setGeometry(PixelRect(frmDebug::kTransferredPlace, dpi));
    lblCTotalFileSize.setObjectName(QStringLiteral("lblCTotalFileSize"));
    lblCTotalFileSizeTrans.setObjectName(QStringLiteral("lblCTotalFileSizeTrans"));
    BindLabel(sync_, logic.lblCTotalFileSize, lblCTotalFileSize);
    BindLabel(sync_, logic.lblCTotalFileSizeTrans, lblCTotalFileSizeTrans);
    Timer1.setInterval(windowlogic::frmDebug::kRefreshMs);
    connect(&Timer1, &QTimer::timeout, this, [this] { logic_.Timer1_Timer(); });
    BindTimer(logic.Timer1, Timer1);
}

void DebugWindow::closeEvent(QCloseEvent* event) {
    // The timer belongs to the window: it stops when the window is unloaded.
    logic_.Form_Unload();
    QWidget::closeEvent(event);
}

} // namespace orvane::qt
