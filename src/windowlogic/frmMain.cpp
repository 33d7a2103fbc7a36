#include "windowlogic/frmMain.h"

#include "app/LogSaveAtExit.h"
#include "app/SessionStart.h"
#include "settings/IniStore.h"
#include "support/AppIdentity.h"
#include "support/VersionText.h"
#include "windowlogic/FolderPicker.h"
#include "windowlogic/HistoryFile.h"
#include "windowlogic/ProgramArguments.h"

#include <iostream>

namespace orvane::windowlogic {

std::string UpdateAddress() {
    return std::string(web_addresses::makerSite) + "/prg_update.php?p=9&v=" + VersionText(true);
}

std::string ThanksText() {
    return "Thanks to the people of the Orvane forum at https://orvane.example.org/forum for "
           "their help with the data rate code.\r\n"
           "Thanks to all beta testers, and to the tester known as bitwren above all.\r\n"
           "The progress bar comes from https://orvane.example.org/progressbar";
}

frmMain::frmMain(ProgramSetup setup, MainWindowView& view, WindowMaker& maker)
    : setup_(std::move(setup)), view_(view),
      pump_(state_, setup_.yieldInterval, setup_.showInterval, sync_, view_),
      controller_(
          state_, elements_, log_, [this] { pump_(); }, question_, setup_.clocks,
          setup_.decimalSeparator),
      secondary_({log_, state_, elements_, view_, maker, HistoryFilePath(setup_.folders),
                  setup_.decimalSeparator, [this] { return infoFacts(); }}) {}

frmMain::~frmMain() = default;

void frmMain::Form_Load() {
    IsBeta = true;
    const TwipsRect source = PlaceOf(MainControl::fraSource).place;
    view_.moveControl(MainControl::fraCopy, PlaceOf(MainControl::fraCopy).place.left, source.top);
    view_.setOuterSize({widthTwips_, kHeight});
    debugMode_ = IsDebugArgument(setup_.argumentText);
    if (debugMode_) {
        view_.setCaption(TitleText() + " DEBUG");
        setWidth(kDebugWidth);
    } else {
        own_.mnuOptDebug.setVisible(false);
        view_.setCaption(TitleText());
        setWidth(kNarrowWidth);
    }
    // The start counter, ReportLive and the session header, in that order.
    UsageCount = StartSession(log_, IniStore(setup_.folders.settingsLocation()),
                              setup_.folders.logs, setup_.clocks.now(), std::cerr);
    view_.moveControl(MainControl::fraSave, source.left, source.top);
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
        view_.inform(std::string(app_identity::title), failure);
    }
    // A run in progress goes no further: its file copy is abandoned at the next chunk, and
    // it gets no more events, so it runs down at once. Whatever it still logs is not saved.
    state_.RunControl = run_control::stop;
    state_.programEnding = true;
    pump_.stop();
    view_.endProgram();
}

void frmMain::unloadWithoutQuestions() {
    quietUnload_ = true;
    Form_Unload();
}

void frmMain::setWidth(int twips) {
    widthTwips_ = twips;
    view_.setOuterSize({twips, kHeight});
    // The copy list starts just beyond the narrow window's inner edge, where the frame's
    // border hid it; it is hidden outright while the window is narrow.
    view_.showCopyList(twips > kNarrowWidth);
}

void frmMain::cmdStart_Click() {
    // The run's many changes reach the controls only when it yields and when it ends.
    sync_.setDeferring(true);
    controller_.cmdStart_Click();
    sync_.setDeferring(false);
}

void frmMain::cmdOptions_Click() {
    if (widthTwips_ != kNarrowWidth) {
        own_.cmdOptions.setCaption("&Options >>");
        setWidth(kNarrowWidth);
    } else {
        own_.cmdOptions.setCaption("&Options <<");
        setWidth(kOptionsWidth);
    }
}

void frmMain::browseInto(Control& box, std::string title) {
    const std::string chosen =
        BrowseForFolder(view_, title, special_folder::drives, special_folder::desktop);
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
    Form_Unload();
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
    view_.openWebPage(UpdateAddress());
}

void frmMain::mnuHelpThanks_Click() {
    view_.inform("Special Thanks", ThanksText());
}

void frmMain::mnuHelpAbout_Click() {
    secondary_.showAbout();
}

void frmMain::menuCommand(MenuCommand command) {
    switch (command) {
    case MenuCommand::mnuMenuReport:
        return mnuMenuReport_Click();
    case MenuCommand::mnuMenuS0:
        return;
    case MenuCommand::mnuMenuQuit:
        return mnuMenuQuit_Click();
    case MenuCommand::mnuOptMove:
        return mnuOptMove_Click();
    case MenuCommand::mnuOptDcopy:
        return mnuOptDcopy_Click();
    case MenuCommand::mnuOptDebug:
        return mnuOptDebug_Click();
    case MenuCommand::mnuHelpHistory:
        return mnuHelpHistory_Click();
    case MenuCommand::mnuHelpUpdate:
        return mnuHelpUpdate_Click();
    case MenuCommand::mnuHelpThanks:
        return mnuHelpThanks_Click();
    case MenuCommand::mnuHelpAbout:
        return mnuHelpAbout_Click();
    }
}

InfoFacts frmMain::infoFacts() const {
    return {std::string(app_identity::title), "", UsageCount,
            [now = setup_.clocks.now] { return now().year; }};
}

} // namespace orvane::windowlogic
