// The main window's controls made from the layout table and the menu table, what each is
// bound to, and which handler each of its events calls.

#include "progressbar/StoredBars.h"
#include "qt/DesignFont.h"
#include "qt/ElementBinding.h"
#include "qt/MainWindow.h"
#include "qt/PixelRect.h"

namespace orvane::qt {

QWidget& MainWindow::widget(MainControl control) {
    switch (control) {
    case MainControl::window:
        return client;
    case MainControl::fraSource:
        return fraSource;
    case MainControl::txtSource:
        return txtSource;
    case MainControl::cmdBrowseSou:
        return cmdBrowseSou;
    case MainControl::fraDestination:
        return fraDestination;
    case MainControl::txtDestination:
        return txtDestination;
    case MainControl::cmdBrowseDes:
        return cmdBrowseDes;
    case MainControl::cmdStart:
        return cmdStart;
    case MainControl::cmdOptions:
        return cmdOptions;
    case MainControl::fraCopy:
        return fraCopy;
    case MainControl::pbTotalFiles:
        return pbTotalFiles;
    case MainControl::pbFileCopy:
        return pbFileCopy;
    case MainControl::lblInfo0:
        return lblInfo[0];
    case MainControl::lblInfo1:
        return lblInfo[1];
    case MainControl::lblTime0:
        return lblTime[0];
    case MainControl::lblTime1:
        return lblTime[1];
    case MainControl::lblTime2:
        return lblTime[2];
    case MainControl::lblTime3:
        return lblTime[3];
    case MainControl::cmdPause:
        return cmdPause;
    case MainControl::cmdCancel:
        return cmdCancel;
    case MainControl::fraSave:
        return fraSave;
    case MainControl::lblSave:
        return lblSave;
    case MainControl::pbSaveLog:
        return pbSaveLog;
    case MainControl::cmdCancelLoad:
        return cmdCancelLoad;
    case MainControl::lstCopy:
        return lstCopy;
    }
    return client;
}

void MainWindow::placeControls() {
    for (const auto& place : windowlogic::MainWindowLayout()) {
        widget(place.control).setGeometry(PixelRect(place.place, dpi_));
    }
    // The covered part holds the left part of the window's area, at its top left corner, so
    // the folder frames keep their places in it.
    coveredPart.setGeometry(PixelRect({0, 0, windowlogic::PlaceOf(MainControl::lstCopy).place.left,
                                       windowlogic::frmMain::kHeight},
                                      dpi_));
    setFont(DesignFont(windowlogic::frmMain::kFont, QFont::SansSerif));
    // The panels cover the folder frames while they are shown.
    fraCopy.setAutoFillBackground(true);
    fraSave.setAutoFillBackground(true);
    fraCopy.installEventFilter(this);
    fraSave.installEventFilter(this);
    lblInfo[1].setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblSave.setWordWrap(true);
    // Every row is one line: the view then needs no measuring of 100,000 rows.
    lstCopy.setUniformItemSizes(true);
    lstCopy.setEditTriggers(QAbstractItemView::NoEditTriggers);
    tmrClock.setInterval(windowlogic::frmMain::kClockMs);
}

void MainWindow::buildMenus() {
    std::size_t title = 0;
    for (const windowlogic::MenuTitle& menu : windowlogic::MainMenus()) {
        QMenu& shown = menuTitles.at(title++);
        shown.setTitle(QString::fromUtf8(menu.caption.data(), menu.caption.size()));
        for (const windowlogic::MenuEntry& item : menu.entries) {
            QAction& action = entry(item.command);
            action.setText(QString::fromUtf8(item.caption.data(), item.caption.size()));
            action.setSeparator(item.separator);
            action.setCheckable(item.checkMark);
            if (item.ctrlKey != 0) {
                action.setShortcut(
                    QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_A + item.ctrlKey - 'A')));
                // Shortcuts of entries in a closed menu act only when the window holds them too.
                addAction(&action);
            }
            shown.addAction(&action);
            connect(&action, &QAction::triggered, this,
                    [this, command = item.command] { logic_.menuCommand(command); });
        }
        menus.addMenu(&shown);
    }
    txtSource.installEventFilter(&shortcutsFirst_);
    txtDestination.installEventFilter(&shortcutsFirst_);
}

void MainWindow::bindElements() {
    MainWindowElements& e = logic_.elements();
    windowlogic::MainWindowOwnControls& own = logic_.ownControls();
    ViewSync& sync = logic_.sync();
    BindButton(sync, e.cmdStart, cmdStart);
    BindButton(sync, e.cmdCancel, cmdCancel);
    BindButton(sync, e.cmdPause, cmdPause);
    BindButton(sync, e.cmdCancelLoad, cmdCancelLoad);
    BindButton(sync, own.cmdOptions, cmdOptions);
    BindButton(sync, own.cmdBrowseSou, cmdBrowseSou);
    BindButton(sync, own.cmdBrowseDes, cmdBrowseDes);
    BindFrame(sync, e.fraSource, fraSource);
    BindFrame(sync, e.fraDestination, fraDestination);
    BindFrame(sync, e.fraCopy, fraCopy);
    BindFrame(sync, e.fraSave, fraSave);
    BindTextBox(sync, e.txtSource, txtSource);
    BindTextBox(sync, e.txtDestination, txtDestination);
    BindMenu(sync, e.mnuOpt, mnuOpt);
    BindMenuEntry(sync, e.mnuOptMove, entry(MenuCommand::mnuOptMove));
    BindMenuEntry(sync, e.mnuOptDcopy, entry(MenuCommand::mnuOptDcopy));
    BindMenuEntry(sync, own.mnuOptDebug, entry(MenuCommand::mnuOptDebug));
    BindTimer(e.tmrClock, tmrClock);
    for (std::size_t i = 0; i < lblTime.size(); ++i) {
        BindLabel(sync, e.lblTime[i], lblTime[i]);
    }
    BindLabel(sync, e.lblInfo[0], lblInfo[0]);
    BindFittedLabel(sync, e.lblInfo[1], lblInfo[1]);
    BindLabel(sync, e.lblSave, lblSave);
    // The bars' looks are their stored settings; the run sets only Max, Value and Text.
    pbFileCopy.ReadProperties(pbFileCopySettings());
    pbTotalFiles.ReadProperties(pbTotalFilesSettings());
    pbSaveLog.ReadProperties(pbSaveLogSettings());
    // The log save bar moves in loops that do not yield (the report window's load, the save
    // at exit): each of its assignments is put on the screen at once.
    pbSaveLog.setSynchronousPresentation(true);
    BindProgress(sync, e.pbFileCopy, pbFileCopy);
    BindProgress(sync, e.pbTotalFiles, pbTotalFiles);
    BindProgress(sync, e.pbSaveLog, pbSaveLog);
}

void MainWindow::connectHandlers() {
    using windowlogic::frmMain;
    const auto onClick = [this](QPushButton& button, void (frmMain::*handler)()) {
        connect(&button, &QPushButton::clicked, this, [this, handler] { (logic_.*handler)(); });
    };
    onClick(cmdOptions, &frmMain::cmdOptions_Click);
    onClick(cmdBrowseSou, &frmMain::cmdBrowseSou_Click);
    onClick(cmdBrowseDes, &frmMain::cmdBrowseDes_Click);
    onClick(cmdCancel, &frmMain::cmdCancel_Click);
    onClick(cmdPause, &frmMain::cmdPause_Click);
    onClick(cmdCancelLoad, &frmMain::cmdCancelLoad_Click);
    connect(&cmdStart, &QPushButton::clicked, this, [this] { startCopy(); });
    connect(&tmrClock, &QTimer::timeout, this, [this] { logic_.tmrClock_Timer(); });
}

} // namespace orvane::qt
