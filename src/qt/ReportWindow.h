#pragma once

#include "qt/LogListModel.h"
#include "qt/SecondaryWindow.h"
#include "windowlogic/frmErr.h"

#include <QListView>

namespace orvane::qt {

// The report window frmErr in Qt: its list box lstErr, a view over a model of the logic's
// list, fills the window's inner area. Design size 7200 × 4800 twips.
class ReportWindow final : public SecondaryWindow<windowlogic::WindowView> {
    Q_OBJECT
public:
    ReportWindow(windowlogic::frmErr& logic, QWidget* owner);

    // Shows the window with the list the load filled.
    void bringForward() override;

    QListView& lstErrView() { return view_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void showLine(int row);

    windowlogic::frmErr& logic_;
    LogListModel model_;
    QListView view_{this};
};

} // namespace orvane::qt
