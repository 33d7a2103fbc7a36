#include "windowlogic/frmHistory.h"

#include "support/AppIdentity.h"
#include "support/VersionText.h"

#include <fstream>

namespace orvane::windowlogic {

namespace {

// One line of the file without its end: lines end with CR LF; a lone LF ends one too.
bool readLine(std::istream& in, std::string& line) {
    if (!std::getline(in, line)) {
        return false;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return true;
}

} // namespace

frmHistory::frmHistory(std::string historyFile, YieldHook yield, WindowMaker& maker)
    : historyFile_(std::move(historyFile)), yield_(std::move(yield)),
      view_(maker.makeHistoryWindow(*this)) {}

void frmHistory::Form_Load() {
    view_->setOuterSize(kSize);
    // Sized once: the text box does not follow later resizing.
    view_->fitTextBox();
    view_->bringForward();
    yield_();
}

void frmHistory::history_load_next() {
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
    }
    txtHistory.setCaption({});
    readFile();
    if (txtHistory.caption().empty()) {
        view_->inform(std::string(app_identity::title), "No history file found");
        view_->closeWindow();
    }
}

void frmHistory::readFile() {
    std::ifstream in(historyFile_, std::ios::binary);
    std::string line;
    if (!readLine(in, line)) {
        // Missing, unreadable or without a single line: the caption stays as it is.
        return;
    }
    txtHistory.setCaption(line);
    while (readLine(in, line)) {
        txtHistory.setCaption(txtHistory.caption() + "\r\n" + line);
        yield_();
    }
    if (in.bad()) {
        // What was read so far stays; the caption is left unchanged.
        return;
    }
    view_->setCaption(TitleText() + " -- History");
}

} // namespace orvane::windowlogic
