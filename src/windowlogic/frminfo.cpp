#include "windowlogic/frminfo.h"

#include "support/VersionText.h"
#include "windowlogic/MainWindowView.h"
#include "windowlogic/WebAddresses.h"

#include <algorithm>

namespace orvane::windowlogic {

namespace {
constexpr int kFirstCopyrightYear = 2004;
} // namespace

frminfo::frminfo(InfoFacts facts, MainWindowView& mainWindow, WindowMaker& maker)
    : lblsite{Control{web_addresses::makerSite}, Control{web_addresses::computingProject}},
      facts_(std::move(facts)), mainWindow_(mainWindow), view_(maker.makeInfoWindow(*this)) {
    Form_Load();
}

void frminfo::Form_Load() {
    loaded_ = true;
    const int year = std::max(facts_.currentYear(), kFirstCopyrightYear);
    lblcopyright.setCaption("Copyright \u00a9 " + std::to_string(kFirstCopyrightYear) + "-" +
                            std::to_string(year) + " the Orvane developers");
    lblproduct.setCaption(facts_.title);
    if (view_->productWidth() > view_->innerWidth()) {
        tmrtitlescrl.setEnabled(true);
    }
    lblComments.setCaption(facts_.comments);
}

void frminfo::Form_Activate() {
    lblware.setCaption("Freeware");
    if (lbltaal.caption() == "eng") {
        showEnglishTexts();
    }
    view_->setCaption("Info   [2.8]");
    savedLinkColour_ = view_->linkColour(0);
}

void frminfo::showEnglishTexts() {
    lblversion.setCaption("Version: " + VersionText(false));
    Label1.setCaption(
        "Thank you for the use of this program.\r\n"
        "If there is a update or you want to place a comment , please mail me or see my site.\r\n"
        "The Brennic crew can't be responsibel for PC crashes and other stuff, for bat working "
        "programs!!!");
    lbluse.setCaption("Used: " + std::to_string(facts_.usageCount) + " time(s).");
}

void frminfo::tmrtitlescrl_Timer() {
    if (productLeft_ <= -view_->productWidth()) {
        // Gone out on the left: start again at the right edge.
        productLeft_ = view_->outerWidth();
    }
    productLeft_ -= kScrollStep;
    view_->moveProduct(productLeft_);
}

void frminfo::lblsite_MouseMove(int index) {
    for (int i = 0; i < static_cast<int>(lblsite.size()); ++i) {
        const bool lit = i == index;
        view_->setLinkLook(i, lit, lit ? kPureRed : savedLinkColour_);
    }
    view_->setPointer(Pointer::upArrow);
}

void frminfo::Frame1_MouseMove() {
    for (int i = 0; i < static_cast<int>(lblsite.size()); ++i) {
        view_->setLinkLook(i, false, savedLinkColour_);
    }
    view_->setPointer(Pointer::arrow);
}

void frminfo::lblsite_Click(int index) {
    mainWindow_.openWebPage(lblsite.at(static_cast<std::size_t>(index)).caption());
}

void frminfo::Image1_Click() {
    mainWindow_.openWebPage(web_addresses::makerSite);
}

void frminfo::Form_Unload() {
    loaded_ = false;
    tmrtitlescrl.setEnabled(false);
}

} // namespace orvane::windowlogic
