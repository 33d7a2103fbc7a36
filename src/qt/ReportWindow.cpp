#include "qt/ReportWindow.h"

#include "windowlogic/Twips.h"

#include <QCloseEvent>

namespace orvane::qt {

ReportWindow::ReportWindow(windowlogic::frmErr& logic, QWidget* owner)
    : SecondaryWindow(owner), logic_(logic), model_(logic.lstErr) {
    setWindowTitle(QStringLiteral("Log"));
    const windowlogic::TwipsSize size = windowlogic::frmErr::kSize;
    resize(windowlogic::TwipsToPixels(size.width, logicalDpiX()),
           windowlogic::TwipsToPixels(size.height, logicalDpiX()));
    view_.setObjectName(QStringLiteral("lstErr"));
    // Every row has the height of one line of text, so the view never measures them all.
    view_.setUniformItemSizes(true);
    view_.setSelectionMode(QAbstractItemView::SingleSelection);
    view_.setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(&model_, &LogListModel::selectionSet, this, &ReportWindow::showLine);
}

void ReportWindow::bringForward() {
    // The view is given the model once the load has filled the list, so it lays out all rows
    // once instead of once per line.
    if (view_.model() == nullptr) {
        model_.refresh();
        view_.setModel(&model_);
    }
    SecondaryWindow::bringForward();
}

void ReportWindow::showLine(int row) {
    if (view_.model() == nullptr) {
        return;
    }
    const QModelIndex index = model_.index(row);
    view_.selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    view_.scrollTo(index);
}

void ReportWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The list always fills the window's inner area.
    view_.setGeometry(0, 0, width(), height());
}

void ReportWindow::closeEvent(QCloseEvent* event) {
    logic_.Form_Unload();
    QWidget::closeEvent(event);
}

} // namespace orvane::qt
