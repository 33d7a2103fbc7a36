// Where every control of the main window sits, its menus, and what each control is bound
// to. All places are in twips, measured from the top left of the control's parent.

#include "progressbar/StoredBars.h"
#include "windows/ElementBinding.h"
#include "windows/Twips.h"
#include "windows/frmMain.h"

namespace orvane::windows {

namespace {

struct Place {
    QWidget& widget;
    int left, top, width, height;
};

} // namespace

void frmMain::placeControls() {
    const Place places[] = {
        // The left part: two folder frames and the button row.
        {coveredPart, 0, 0, 6360, kHeight},
        {fraSource, 120, 60, 6135, 855},
        {txtSource, 120, 360, 4695, 315},
        {cmdBrowseSou, 4920, 330, 1095, 375},
        {fraDestination, 120, 1020, 6135, 855},
        {txtDestination, 120, 360, 4695, 315},
        {cmdBrowseDes, 4920, 330, 1095, 375},
        {cmdStart, 120, 2040, 1575, 420},
        {cmdOptions, 4680, 2040, 1575, 420},
        // The copy-status panel; load moves it over the folder frames.
        {fraCopy, 120, 2040, 6135, 2775},
        {pbTotalFiles, 120, 300, 5895, 285},
        {pbFileCopy, 120, 660, 5895, 285},
        {lblInfo[0], 120, 1020, 5895, 225},
        {lblInfo[1], 120, 1260, 5895, 585},
        {lblTime[0], 120, 1890, 2895, 225},
        {lblTime[1], 3120, 1890, 2895, 225},
        {lblTime[2], 120, 2130, 2895, 225},
        {lblTime[3], 3120, 2130, 2895, 225},
        {cmdPause, 3360, 2400, 1215, 315},
        {cmdCancel, 4680, 2400, 1335, 315},
        // The save panel, placed over the folder frames at load as well.
        {fraSave, 120, 2040, 6135, 2775},
        {lblSave, 120, 360, 5895, 465},
        {pbSaveLog, 120, 960, 5895, 285},
        {cmdCancelLoad, 4680, 1440, 1335, 375},
        // The right part, seen only while the window is widened.
        {lstCopy, 6360, 120, 6495, 2400},
    };
    for (const Place& place : places) {
        place.widget.setGeometry(TwipsRect(place.left, place.top, place.width, place.height, dpi_));
    }
    // The window's face, with a hint so that fontconfig picks a sans-serif where it is missing.
    QFont face(QStringLiteral("MS Sans Serif"), 8);
    face.setStyleHint(QFont::SansSerif);
    setFont(face);
    // The panels cover the folder frames while they are shown.
    fraCopy.setAutoFillBackground(true);
    fraSave.setAutoFillBackground(true);
    fraCopy.installEventFilter(this);
    fraSave.installEventFilter(this);
    cmdBrowseSou.setText(QStringLiteral("&Browse..."));
    cmdBrowseDes.setText(QStringLiteral("Br&owse..."));
    lblInfo[1].setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblSave.setWordWrap(true);
    // Every row is one line: the view then needs no measuring of 100,000 rows.
    lstCopy.setUniformItemSizes(true);
    lstCopy.setEditTriggers(QAbstractItemView::NoEditTriggers);
    tmrClock.setInterval(999);
}

void frmMain::buildMenus() {
    mnuMenuReport.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    mnuMenuS0.setSeparator(true);
    mnuMenu.addActions({&mnuMenuReport, &mnuMenuS0, &mnuMenuQuit});
    mnuOpt.addActions({&mnuOptMove, &mnuOptDcopy, &mnuOptDebug});
    mnuHelpAbout.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    mnuHelp.addActions({&mnuHelpHistory, &mnuHelpUpdate, &mnuHelpThanks, &mnuHelpAbout});
    menus.addMenu(&mnuMenu);
    menus.addMenu(&mnuOpt);
    menus.addMenu(&mnuHelp);
    // Shortcuts of entries in a closed menu act only when the window holds them too.
    addActions({&mnuMenuReport, &mnuHelpAbout});
    txtSource.installEventFilter(&shortcutsFirst_);
    txtDestination.installEventFilter(&shortcutsFirst_);
}

void frmMain::bindElements() {
    MainWindowElements& e = elements_;
    BindButton(sync_, e.cmdStart, cmdStart);
    BindButton(sync_, e.cmdCancel, cmdCancel);
    BindButton(sync_, e.cmdPause, cmdPause);
    BindButton(sync_, e.cmdCancelLoad, cmdCancelLoad);
    BindFrame(sync_, e.fraSource, fraSource);
    BindFrame(sync_, e.fraDestination, fraDestination);
    BindFrame(sync_, e.fraCopy, fraCopy);
    BindFrame(sync_, e.fraSave, fraSave);
    BindTextBox(sync_, e.txtSource, txtSource);
    BindTextBox(sync_, e.txtDestination, txtDestination);
    BindMenu(sync_, e.mnuOpt, mnuOpt);
    BindMenuEntry(sync_, e.mnuOptMove, mnuOptMove);
    BindMenuEntry(sync_, e.mnuOptDcopy, mnuOptDcopy);
    BindTimer(e.tmrClock, tmrClock);
    for (std::size_t i = 0; i < lblTime.size(); ++i) {
        BindLabel(sync_, e.lblTime[i], lblTime[i]);
    }
    BindLabel(sync_, e.lblInfo[0], lblInfo[0]);
    BindFittedLabel(sync_, e.lblInfo[1], lblInfo[1]);
    BindLabel(sync_, e.lblSave, lblSave);
    // The bars' looks are their stored settings; the run sets only Max, Value and Text.
    pbFileCopy.ReadProperties(pbFileCopySettings());
    pbTotalFiles.ReadProperties(pbTotalFilesSettings());
    pbSaveLog.ReadProperties(pbSaveLogSettings());
    // The log save bar moves in loops that do not yield (the report window's load, the save
    // at exit): each of its assignments is put on the screen at once.
    pbSaveLog.setSynchronousPresentation(true);
    BindProgress(sync_, e.pbFileCopy, pbFileCopy);
    BindProgress(sync_, e.pbTotalFiles, pbTotalFiles);
    BindProgress(sync_, e.pbSaveLog, pbSaveLog);
}

void frmMain::connectHandlers() {
    const auto onClick = [this](QPushButton& button, void (frmMain::*handler)()) {
        connect(&button, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
    };
    const auto onTrigger = [this](QAction& entry, void (frmMain::*handler)()) {
        connect(&entry, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    };
    onClick(cmdOptions, &frmMain::cmdOptions_Click);
    onClick(cmdBrowseSou, &frmMain::cmdBrowseSou_Click);
    onClick(cmdBrowseDes, &frmMain::cmdBrowseDes_Click);
    connect(&cmdStart, &QPushButton::clicked, this, [this] { cmdStart_Click(); });
    connect(&cmdCancel, &QPushButton::clicked, this, [this] { controller_.cmdCancel_Click(); });
    connect(&cmdPause, &QPushButton::clicked, this, [this] { controller_.cmdPause_Click(); });
    connect(&cmdCancelLoad, &QPushButton::clicked, this,
            [this] { controller_.cmdCancelLoad_Click(); });
    connect(&tmrClock, &QTimer::timeout, this, [this] { controller_.tmrClock_Timer(); });
    onTrigger(mnuMenuReport, &frmMain::mnuMenuReport_Click);
    onTrigger(mnuMenuQuit, &frmMain::mnuMenuQuit_Click);
    onTrigger(mnuOptMove, &frmMain::mnuOptMove_Click);
    onTrigger(mnuOptDcopy, &frmMain::mnuOptDcopy_Click);
    onTrigger(mnuOptDebug, &frmMain::mnuOptDebug_Click);
    onTrigger(mnuHelpHistory, &frmMain::mnuHelpHistory_Click);
    onTrigger(mnuHelpUpdate, &frmMain::mnuHelpUpdate_Click);
    onTrigger(mnuHelpThanks, &frmMain::mnuHelpThanks_Click);
    onTrigger(mnuHelpAbout, &frmMain::mnuHelpAbout_Click);
}

} // namespace orvane::windows
