#include "windows/frmErr.h"

#include "state/MainWindowElements.h"
#include "support/SessionLog.h"
#include "windows/LogListModel.h"
#include "windows/Twips.h"

#include <QCloseEvent>
#include <QListView>

namespace orvane::windows {

namespace {
constexpr int kDesignWidth = 7200, kDesignHeight = 4800; // twips
} // namespace

frmErr::frmErr(SessionLog& log, MainWindowElements& mainWindow, QWidget* owner)
    : QWidget(owner, Qt::Window), log_(log), mainWindow_(mainWindow), view_(new QListView(this)),
      model_(new LogListModel(this)) {
    setWindowTitle(QStringLiteral("Log"));
    resize(TwipsToPixels(kDesignWidth, logicalDpiX()), TwipsToPixels(kDesignHeight, logicalDpiX()));
    view_->setObjectName(QStringLiteral("lstErr"));
    // Every row has the height of one line of text, so the view never measures them all.
    view_->setUniformItemSizes(true);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(model_, &LogListModel::selectionSet, this, &frmErr::showLine);
    Form_Load();
}

frmErr::~frmErr() {
    Form_Unload();
}

const ListElement& frmErr::lstErr() const {
    return model_->list();
}

void frmErr::Form_Load() {
    Form_Resize();
    mainWindow_.lblSave.setCaption("Loading log entry's");
    // The panel's Cancel cannot act during a load that does not yield; it is not offered.
    const bool cancelShown = mainWindow_.cmdCancelLoad.visible();
    mainWindow_.cmdCancelLoad.setVisible(false);
    mainWindow_.fraSave.setVisible(true);
    copyLog();
    mainWindow_.fraSave.setVisible(false);
    mainWindow_.cmdCancelLoad.setVisible(cancelShown);

    // The view is given the model after the copy, so it lays out all rows once instead of
    // once per line.
    model_->refresh();
    view_->setModel(model_);
    log_.attachReportList(&model_->list());
    log_.ReportLive = true;
    loaded_ = true;
}

void frmErr::copyLog() {
    ProgressElement& bar = mainWindow_.pbSaveLog;
    ListElement& items = model_->list();
    bar.setMax(static_cast<int>(log_.count()));
    bar.setValue(0);
    // The end is the log's count at each step, not at the start: a line appended by whatever
    // repaints the bar would otherwise be neither copied nor echoed, as the window is not
    // live yet.
    for (std::size_t i = 1; i <= log_.count(); ++i) {
        if (static_cast<std::size_t>(bar.Max()) < log_.count()) {
            bar.setMax(static_cast<int>(log_.count()));
        }
        bar.setValue(bar.Value() + 1);
        items.add(log_.line(i));
    }
}

void frmErr::showLine(int row) {
    const QModelIndex index = model_->index(row);
    view_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    view_->scrollTo(index);
}

void frmErr::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmErr::Form_Resize() {
    view_->setGeometry(0, 0, width(), height());
}

void frmErr::closeEvent(QCloseEvent* event) {
    Form_Unload();
    QWidget::closeEvent(event);
}

void frmErr::Form_Unload() {
    // Once only: a window closed and then destroyed with its owner may outlive the log.
    if (!loaded_) {
        return;
    }
    loaded_ = false;
    log_.ReportLive = false;
    log_.attachReportList(nullptr);
}

} // namespace orvane::windows
