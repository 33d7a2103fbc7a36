#include "qt/MainWindow.h"

#include "platform/LocaleFacts.h"
#include "platform/RunningProgramFolders.h"
#include "qt/DebugWindow.h"
#include "qt/HistoryWindow.h"
#include "qt/InfoWindow.h"
#include "qt/ReportWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QPointer>

namespace orvane::qt {

WindowSetup RunningWindowSetup(std::string argumentText) {
    return {{platform::runningProgramFolders(), std::move(argumentText), systemClocks(),
             platform::decimalSeparator()},
            QtDialogs(),
            [] { QCoreApplication::exit(0); }};
}

MainWindow::MainWindow(WindowSetup setup)
    : dpi_(logicalDpiX()), dialogs_(std::move(setup.dialogs)),
      endProgram_(std::move(setup.endProgram)), logic_(std::move(setup.program), *this, *this) {
    setCentralWidget(&client);
    setMenuBar(&menus);
    placeControls();
    buildMenus();
    bindElements();
    connectHandlers();
    logic_.Form_Load();
}

MainWindow::~MainWindow() = default;

void MainWindow::unloadWithoutQuestions() {
    logic_.unloadWithoutQuestions();
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    logic_.Form_Unload();
    event->accept();
}

void MainWindow::setOuterSize(windowlogic::TwipsSize size) {
    outerSize_.set(size);
}

void MainWindow::setCaption(const std::string& caption) {
    setWindowTitle(QString::fromStdString(caption));
}

void MainWindow::moveControl(MainControl control, int left, int top) {
    widget(control).move(windowlogic::TwipsToPixels(left, dpi_),
                         windowlogic::TwipsToPixels(top, dpi_));
}

void MainWindow::showCopyList(bool shown) {
    lstCopy.setVisible(shown);
    // A hidden view need not follow the 100,000 additions and removals of a large run.
    if (shown != (lstCopy.model() == &copyListModel)) {
        QItemSelectionModel* previous = lstCopy.selectionModel();
        lstCopy.setModel(shown ? &copyListModel : nullptr);
        if (previous != nullptr) {
            previous->deleteLater();
        }
    }
}

bool MainWindow::confirm(const std::string& text) {
    return dialogs_.confirm(this, BoxText(text));
}

void MainWindow::inform(const std::string& title, const std::string& text) {
    dialogs_.inform(this, QString::fromStdString(title), BoxText(text));
}

std::string MainWindow::chooseFolder(const std::string& title, int startFolder, int rootFolder) {
    return ChooseFolder(dialogs_.chooseFolder, this, title, startFolder, rootFolder);
}

void MainWindow::openWebPage(const std::string& address) {
    dialogs_.openWebPage(QString::fromStdString(address));
}

void MainWindow::endProgram() {
    if (endProgram_) {
        endProgram_();
    }
}

void MainWindow::handleEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void MainWindow::waitForEvents() {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

std::unique_ptr<windowlogic::WindowView> MainWindow::makeReportWindow(windowlogic::frmErr& logic) {
    return std::make_unique<ReportWindow>(logic, this);
}

std::unique_ptr<windowlogic::WindowView> MainWindow::makeDebugWindow(windowlogic::frmDebug& logic) {
    return std::make_unique<DebugWindow>(logic, this);
}

std::unique_ptr<windowlogic::HistoryWindowView>
MainWindow::makeHistoryWindow(windowlogic::frmHistory& logic) {
    return std::make_unique<HistoryWindow>(logic, dialogs_, this);
}

std::unique_ptr<windowlogic::InfoWindowView>
MainWindow::makeInfoWindow(windowlogic::frminfo& logic) {
    return std::make_unique<InfoWindow>(logic, this);
}

void MainWindow::startCopy() {
    // Start Copy, or the control that had the focus before the run (its mnemonic leaves the
    // caret in a box), has it again afterwards, so Enter or Space starts the next run.
    QPointer<QWidget> before = focusWidget();
    logic_.cmdStart_Click();
    if (logic_.unloaded()) {
        return;
    }
    if (before == nullptr || !coveredPart.isAncestorOf(before) || !before->isEnabled()) {
        before = &cmdStart;
    }
    before->setFocus();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent) {
        showUncovered();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showUncovered() {
    coveredPart.setVisible(fraCopy.isHidden() && fraSave.isHidden());
}

} // namespace orvane::qt
