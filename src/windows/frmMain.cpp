#include "windows/frmMain.h"

#include "app/LogSaveAtExit.h"
#include "app/SessionStart.h"
#include "platform/LocaleFacts.h"
#include "platform/RunningProgramFolders.h"
#include "settings/IniStore.h"
#include "support/AppIdentity.h"
#include "support/VersionText.h"
#include "windows/HistoryFile.h"
#include "windows/ProgramArguments.h"
#include "windows/Twips.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QPointer>

#include <iostream>

namespace orvane::windows {

ProgramSetup RunningProgramSetup(std::string argumentText) {
    return {platform::runningProgramFolders(),
            std::move(argumentText),
            systemClocks(),
            platform::decimalSeparator(),
            QtDialogs(),
            EventPump::kInterval,
            EventPump::kShowInterval,
            [] { QCoreApplication::exit(0); }};
}

std::string UpdateAddress() {
    return std::string(kSiteAddress) + "/prg_update.php?p=9&v=" + VersionText(true);
}

std::string ThanksText() {
    return "Thanks to the people of the Orvane forum at https://orvane.example.org/forum for "
           "their help with the data rate code.\r\n"
           "Thanks to all beta testers, and to the tester known as bitwren above all.\r\n"
           "The progress bar comes from https://orvane.example.org/progressbar";
}

frmMain::frmMain(ProgramSetup setup)
    : setup_(std::move(setup)), dpi_(logicalDpiX()),
      controller_(
          state_, elements_, log_, [this] { pump_(); }, question_, setup_.clocks,
          setup_.decimalSeparator),
      secondary_(*this, {log_, state_, elements_, setup_.dialogs,
                         [] { QCoreApplication::processEvents(); }, HistoryFilePath(setup_.folders),
                         [this] { return infoFacts(); }}) {
    setCentralWidget(&client);
    setMenuBar(&menus);
    placeControls();
    buildMenus();
    bindElements();
    connectHandlers();
    Form_Load();
}

frmMain::~frmMain() = default;

void frmMain::Form_Load() {
    IsBeta = true;
    fraCopy.move(fraCopy.x(), fraSource.y());
    setFixedHeight(TwipsToPixels(kHeight, dpi_));
    debugMode_ = IsDebugArgument(setup_.argumentText);
    if (debugMode_) {
        setWindowTitle(QString::fromStdString(TitleText() + " DEBUG"));
        setWidthTwips(kDebugWidth);
    } else {
        mnuOptDebug.setVisible(false);
        setWindowTitle(QString::fromStdString(TitleText()));
        setWidthTwips(kNarrowWidth);
    }
    // The start counter, ReportLive and the session header, in that order.
    UsageCount = StartSession(log_, IniStore(setup_.folders.settingsLocation()),
                              setup_.folders.logs, setup_.clocks.now(), std::cerr);
    fraSave.move(fraSource.pos());
}

void frmMain::Form_Unload() {
    if (unloaded_) {
        return;
    }
    unloaded_ = true;
    // The report window stops echoing before the log it shows is saved and emptied.
    secondary_.unloadReport();
    sync_.setPace(std::chrono::milliseconds(16)); // a frame of a 60 Hz screen
    const std::string failure =
        SaveLogAtExit(log_, elements_, setup_.folders.logs, setup_.clocks.now,
                      setup_.decimalSeparator, std::cerr);
    sync_.setPace({});
    if (!failure.empty() && !quietUnload_) {
        setup_.dialogs.inform(this, QStringLiteral("Orvane"), QString::fromLocal8Bit(failure));
    }
    // A run in progress goes no further: its file copy is abandoned at the next chunk, and
    // it gets no more events, so it runs down at once. Whatever it still logs is not saved.
    state_.RunControl = run_control::stop;
    state_.programEnding = true;
    pump_.stop();
    if (setup_.endProgram) {
        setup_.endProgram();
    }
}

void frmMain::unloadWithoutQuestions() {
    quietUnload_ = true;
    close();
}

void frmMain::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void frmMain::setWidthTwips(int twips) {
    widthTwips_ = twips;
    setFixedWidth(TwipsToPixels(twips, dpi_));
    // The copy list starts just beyond the narrow window's inner edge, where the frame's
    // border hid it; here the size is that of the inner area, so it is hidden outright.
    const bool listShown = twips > kNarrowWidth;
    lstCopy.setVisible(listShown);
    // A hidden view need not follow the 100,000 additions and removals of a large run.
    if (listShown != (lstCopy.model() == &copyListModel)) {
        QItemSelectionModel* previous = lstCopy.selectionModel();
        lstCopy.setModel(listShown ? &copyListModel : nullptr);
        if (previous != nullptr) {
            previous->deleteLater();
        }
    }
}

void frmMain::cmdStart_Click() {
    // Start Copy, or the control that had the focus before the run (its mnemonic leaves the
    // caret in a box), has it again afterwards, so Enter or Space starts the next run.
    QPointer<QWidget> before = focusWidget();
    sync_.setDeferring(true);
    controller_.cmdStart_Click();
    sync_.setDeferring(false);
    if (unloaded_) {
        return;
    }
    if (before == nullptr || !coveredPart.isAncestorOf(before) || !before->isEnabled()) {
        before = &cmdStart;
    }
    before->setFocus();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent) {
        showUncovered();
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::showUncovered() {
    coveredPart.setVisible(fraCopy.isHidden() && fraSave.isHidden());
}

void frmMain::cmdOptions_Click() {
    if (widthTwips_ != kNarrowWidth) {
        cmdOptions.setText(QStringLiteral("&Options >>"));
        setWidthTwips(kNarrowWidth);
    } else {
        cmdOptions.setText(QStringLiteral("&Options <<"));
        setWidthTwips(kOptionsWidth);
    }
}

void frmMain::browseInto(Control& box, std::string title) {
    const std::string chosen = BrowseForFolder(
        this, title, special_folder::drives, special_folder::desktop, setup_.dialogs.chooseFolder);
    if (!chosen.empty()) {
        box.setCaption(chosen);
    }
}

void frmMain::cmdBrowseSou_Click() {
    browseInto(elements_.txtSource, "Source Folder");
}

void frmMain::cmdBrowseDes_Click() {
    browseInto(elements_.txtDestination, "Destination Folder");
}

void frmMain::mnuMenuReport_Click() {
    secondary_.showReport();
}

void frmMain::mnuMenuQuit_Click() {
    close();
}

void frmMain::mnuOptMove_Click() {
    elements_.mnuOptMove.setChecked(!elements_.mnuOptMove.checked());
}

void frmMain::mnuOptDcopy_Click() {
    elements_.mnuOptDcopy.setChecked(!elements_.mnuOptDcopy.checked());
}

void frmMain::mnuOptDebug_Click() {
    secondary_.showDebug();
}

void frmMain::mnuHelpHistory_Click() {
    secondary_.showHistory();
}

void frmMain::mnuHelpUpdate_Click() {
    setup_.dialogs.openWebPage(QString::fromStdString(UpdateAddress()));
}

void frmMain::mnuHelpThanks_Click() {
    setup_.dialogs.inform(this, QStringLiteral("Special Thanks"), BoxText(ThanksText()));
}

void frmMain::mnuHelpAbout_Click() {
    secondary_.showAbout();
}

InfoFacts frmMain::infoFacts() const {
    return {std::string(app_identity::title), "", UsageCount,
            [now = setup_.clocks.now] { return now().year; }};
}

} // namespace orvane::windows
