#include "windows/frmDebug.h"

#include "platform/LocaleFacts.h"
#include "state/RunState.h"
#include "windows/Twips.h"

#include <QLabel>

namespace orvane::windows {

namespace {

constexpr int kRefreshMs = 500;

QLabel* designLabel(QWidget& window, int top) {
    auto* label = new QLabel(QStringLiteral("Label1"), &window);
    label->setGeometry(TwipsRect(120, top, 4560, 255, window.logicalDpiX()));
    return label;
}

// The amount as the platform's plain conversion writes it, in the user's locale.
QString decimalText(const Amount& amount) {
    return QString::fromStdString(amount.decimalText(platform::decimalSeparator()));
}

} // namespace

frmDebug::frmDebug(const RunState& state, QWidget* owner)
    : QWidget(owner, Qt::Window), state_(state), lblCTotalFileSize_(designLabel(*this, 120)),
      lblCTotalFileSizeTrans_(designLabel(*this, 480)) {
    setWindowTitle(QStringLiteral("Debug"));
    resize(TwipsToPixels(4800, logicalDpiX()), TwipsToPixels(855, logicalDpiX()));
    lblCTotalFileSize_->setObjectName(QStringLiteral("lblCTotalFileSize"));
    lblCTotalFileSizeTrans_->setObjectName(QStringLiteral("lblCTotalFileSizeTrans"));
    timer_.setInterval(kRefreshMs);
    connect(&timer_, &QTimer::timeout, this, &frmDebug::Timer1_Timer);
    // The timer belongs to the window: it stops when the window is unloaded with it.
    timer_.start();
}

void frmDebug::Timer1_Timer() {
    lblCTotalFileSize_->setText(QStringLiteral("CTotalFileSize: ") +
                                decimalText(state_.CTotalFileSize));
    lblCTotalFileSizeTrans_->setText(QStringLiteral("CTotalFileSizetrans: ") +
                                     decimalText(state_.CTotalFileSizetrans));
}

} // namespace orvane::windows
