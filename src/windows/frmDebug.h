#pragma once

#include <QTimer>
#include <QWidget>

class QLabel;

namespace orvane {
struct RunState;
} // namespace orvane

namespace orvane::windows {

// The debug window: the run's two byte totals exactly as they are stored, refreshed twice a
// second while the window is open, during runs and between them. It never writes them.
class frmDebug final : public QWidget {
    Q_OBJECT
public:
    explicit frmDebug(const RunState& state, QWidget* owner = nullptr);

    void Timer1_Timer();

    QLabel& lblCTotalFileSize() const { return *lblCTotalFileSize_; }
    QLabel& lblCTotalFileSizeTrans() const { return *lblCTotalFileSizeTrans_; }
    const QTimer& Timer1() const { return timer_; }

private:
    const RunState& state_;
    QLabel* lblCTotalFileSize_;
    QLabel* lblCTotalFileSizeTrans_;
    QTimer timer_;
};

} // namespace orvane::windows
