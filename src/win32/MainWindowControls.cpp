// The main window's controls made from the layout table, what each is bound to, and how the
// current file's label is drawn.

#include "progressbar/StoredBars.h"
#include "win32/Bindings.h"
#include "win32/Controls.h"
#include "win32/MainWindow.h"
#include "win32/Text.h"

#include <string>

namespace orvane::win32 {

namespace {

using enum MainControl;

// What the copy-status and the save panels cover while one of them is shown.
bool IsCovered(MainControl control) {
    return control == fraSource || control == fraDestination || control == cmdStart ||
           control == cmdOptions;
}

bool IsButton(MainControl control) {
    return control == cmdBrowseSou || control == cmdBrowseDes || control == cmdStart ||
           control == cmdOptions || control == cmdPause || control == cmdCancel ||
           control == cmdCancelLoad;
}

bool IsFrame(MainControl control) {
    return control == fraSource || control == fraDestination || control == fraCopy ||
           control == fraSave;
}

std::size_t IndexOf(MainControl control) {
    return static_cast<std::size_t>(control);
}

} // namespace

void MainWindow::makeControls() {
    create(WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, L"", nullptr,
           menuBar_.takeMenu());
    controls_[IndexOf(window)] = hwnd();
    // The left part of the window's area, at its top left corner, so the folder frames keep
    // their places in it.
    coveredPart_ = MakePanel(hwnd(), 0);
    layout_.place(coveredPart_,
                  {0, 0, windowlogic::PlaceOf(lstCopy).place.left, windowlogic::frmMain::kHeight});
    std::size_t bar = 0;
    for (const auto& designed : windowlogic::MainWindowLayout()) {
        const MainControl which = designed.control;
        const HWND parent = IsCovered(which) ? coveredPart_ : control(designed.parent);
        const int id = kFirstControlId + static_cast<int>(which);
        HWND& made = controls_[IndexOf(which)];
        if (IsFrame(which)) {
            const Frame frame = MakeFrame(parent, id);
            made = frame.panel;
            frameBoxes_[IndexOf(which)] = frame.box;
        } else if (which == txtSource || which == txtDestination) {
            made = MakeTextBox(parent, id);
        } else if (which == lstCopy) {
            made = MakeListBox(parent, id);
        } else if (which == pbTotalFiles || which == pbFileCopy || which == pbSaveLog) {
            bars_.at(bar) = std::make_unique<pcProgressBar>(parent, 0, 0, 0, 0);
            made = bars_.at(bar++)->hWnd();
        } else if (IsButton(which)) {
            made = MakeButton(parent, id);
        } else {
            // The current file's label keeps each of its lines in a row of its own.
            made = MakeLabel(parent, id, which == lblInfo1 ? SS_OWNERDRAW : 0);
        }
        layout_.place(made, designed.place);
    }
    for (const MainControl frame : {fraSource, fraDestination, fraCopy, fraSave}) {
        SinkFrameBox({control(frame), frameBoxes_[IndexOf(frame)]});
    }
    font_ = DesignFont(windowlogic::frmMain::kFont, dpi());
    SetFontOfChildren(hwnd(), font_.get());
}

void MainWindow::bindElements() {
    MainWindowElements& e = logic_.elements();
    windowlogic::MainWindowOwnControls& own = logic_.ownControls();
    ViewSync& sync = logic_.sync();
    for (const auto& [element, which] : {std::pair{&e.cmdStart, cmdStart},
                                         {&e.cmdCancel, cmdCancel},
                                         {&e.cmdPause, cmdPause},
                                         {&e.cmdCancelLoad, cmdCancelLoad},
                                         {&own.cmdOptions, cmdOptions},
                                         {&own.cmdBrowseSou, cmdBrowseSou},
                                         {&own.cmdBrowseDes, cmdBrowseDes},
                                         {&e.txtSource, txtSource},
                                         {&e.txtDestination, txtDestination},
                                         {&e.lblTime[0], lblTime0},
                                         {&e.lblTime[1], lblTime1},
                                         {&e.lblTime[2], lblTime2},
                                         {&e.lblTime[3], lblTime3},
                                         {&e.lblInfo[0], lblInfo0},
                                         {&e.lblInfo[1], lblInfo1},
                                         {&e.lblSave, lblSave}}) {
        BindControl(sync, *element, control(which));
    }
    BindFrame(sync, e.fraSource, control(fraSource), frameBoxes_[IndexOf(fraSource)]);
    BindFrame(sync, e.fraDestination, control(fraDestination),
              frameBoxes_[IndexOf(fraDestination)]);
    // A panel shown goes over the other one (the save panel over a run's), and takes the
    // covered part's place.
    for (const auto& [element, which] : {std::pair{&e.fraCopy, fraCopy}, {&e.fraSave, fraSave}}) {
        BindFrame(sync, *element, control(which), frameBoxes_[IndexOf(which)],
                  [this, panel = control(which)] {
                      if (IsShown(panel)) {
                          ::SetWindowPos(panel, HWND_TOP, 0, 0, 0, 0,
                                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
                      }
                      showUncovered();
                  });
    }
    menuBar_.bindTitle(sync, e.mnuOpt, hwnd(), 1);
    menuBar_.bindEntry(sync, e.mnuOptMove, windowlogic::MenuCommand::mnuOptMove);
    menuBar_.bindEntry(sync, e.mnuOptDcopy, windowlogic::MenuCommand::mnuOptDcopy);
    menuBar_.bindEntry(sync, own.mnuOptDebug, windowlogic::MenuCommand::mnuOptDebug);
    BindTimer(e.tmrClock, hwnd(), kClockTimer, windowlogic::frmMain::kClockMs);
    // The bars' looks are their stored settings; the run sets only Max, Value and Text.
    bars_[0]->ReadProperties(pbTotalFilesSettings());
    bars_[1]->ReadProperties(pbFileCopySettings());
    bars_[2]->ReadProperties(pbSaveLogSettings());
    BindProgress(sync, e.pbTotalFiles, *bars_[0]);
    BindProgress(sync, e.pbFileCopy, *bars_[1]);
    BindProgress(sync, e.pbSaveLog, *bars_[2]);
    copyList_ = std::make_unique<ListBoxMirror>(e.lstCopy, control(lstCopy),
                                                [this] { copyList_->catchUp(); });
}

void MainWindow::drawCurrentFile(const DRAWITEMSTRUCT& item) const {
    if (item.hwndItem != control(lblInfo1)) {
        return;
    }
    ::FillRect(item.hDC, &item.rcItem, ::GetSysColorBrush(COLOR_BTNFACE));
    ::SetBkMode(item.hDC, TRANSPARENT);
    ::SetTextColor(item.hDC,
                   ::GetSysColor(IsWindowEnabled(item.hwndItem) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    const HGDIOBJ oldFont = ::SelectObject(item.hDC, font_.get());
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(item.hDC, &metrics);
    // "Copying file", "From:" and "To:" each start a row, whatever the length of the path
    // after them: a line too long for its row is shortened by the system's path ellipsis.
    // The whole text is the label's window text.
    const std::wstring text = Wide(TextOf(item.hwndItem));
    RECT row = item.rcItem;
    for (std::size_t start = 0; start <= text.size() && row.top < item.rcItem.bottom;) {
        const std::size_t end = std::min(text.find(L"\r\n", start), text.size());
        const std::wstring line = text.substr(start, end - start);
        row.bottom = row.top + metrics.tmHeight;
        ::DrawTextW(item.hDC, line.data(), static_cast<int>(line.size()), &row,
                    DT_SINGLELINE | DT_NOPREFIX | DT_PATH_ELLIPSIS);
        row.top = row.bottom;
        start = end + 2;
    }
    ::SelectObject(item.hDC, oldFont);
}

} // namespace orvane::win32
