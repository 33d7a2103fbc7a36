#include "windows/frminfo.h"

#include "support/VersionText.h"
#include "windows/Twips.h"
#include "windows/WebAddresses.h"
#include "windows/WindowDialogs.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace orvane::windows {

namespace {

#include "orvane-logo.xpm"

constexpr int kWidth = 5400, kHeight = 5760; // twips, the inner area
constexpr int kProductLeft = 120, kProductTop = 60;
constexpr int kScrollStep = 58; // twips per tick
constexpr int kScrollMs = 36;
constexpr int kFirstCopyrightYear = 2004;
const QColor kDarkRed(192, 0, 0);
const QColor kPureRed(255, 0, 0);

QFont windowsFont(const char* face, int points, QFont::StyleHint hint) {
    QFont font(QString::fromLatin1(face), points);
    // Linux has none of these faces; the hint lets fontconfig pick a look-alike.
    font.setStyleHint(hint);
    return font;
}

QLabel* label(QWidget& parent, const QString& caption, const QRect& twips) {
    auto* made = new QLabel(caption, &parent);
    const QWidget& window = *parent.window();
    made->setGeometry(
        TwipsRect(twips.x(), twips.y(), twips.width(), twips.height(), window.logicalDpiX()));
    return made;
}

void setTextColour(QLabel& label, const QColor& colour) {
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, colour);
    label.setPalette(palette);
}

} // namespace

frminfo::frminfo(InfoFacts facts, std::function<void(const QString&)> openWebPage, QWidget* owner)
    : QWidget(owner, Qt::Window), facts_(std::move(facts)), openWebPage_(std::move(openWebPage)),
      lblproduct_(label(*this, {}, {kProductLeft, kProductTop, 0, 0})),
      lblcopyright_(label(*this, {}, {120, 660, 5160, 255})),
      Frame2_(new QGroupBox(QStringLiteral("Program Info"), this)),
      Frame1_(new QGroupBox(QStringLiteral("Contact"), this)),
      lbltaal_(label(*this, QStringLiteral("eng"), {960, 5040, 600, 255})),
      Image1_(label(*this, {}, {120, 4980, 720, 720})),
      cmdback_(new QPushButton(QStringLiteral("&Back"), this)) {
    setFixedSize(TwipsToPixels(kWidth, logicalDpiX()), TwipsToPixels(kHeight, logicalDpiX()));
    setFont(windowsFont("MS Sans Serif", 8, QFont::SansSerif));
    lblproduct_->setFont(windowsFont("Comic Sans MS", 18, QFont::Cursive));
    setTextColour(*lblproduct_, kDarkRed);
    buildProgramInfo();
    buildContact();
    // The language code steers the texts; it is not for the user to read.
    lbltaal_->hide();
    Image1_->setPixmap(QPixmap(orvane_logo));
    Image1_->installEventFilter(this);
    cmdback_->setGeometry(TwipsRect(4080, 5220, 1200, 375, logicalDpiX()));
    cmdback_->setToolTip(QStringLiteral("Go back to main window"));
    connect(cmdback_, &QPushButton::clicked, this, &QWidget::close);
    tmrtitlescrl_.setInterval(kScrollMs);
    connect(&tmrtitlescrl_, &QTimer::timeout, this, &frminfo::tmrtitlescrl_Timer);
    Form_Load();
}

void frminfo::buildProgramInfo() {
    Frame2_->setGeometry(TwipsRect(120, 1020, 5160, 2820, logicalDpiX()));
    lblversion_ = label(*Frame2_, QStringLiteral("Version: "), {240, 300, 4680, 255});
    label(*Frame2_, QStringLiteral("Status:"), {240, 600, 840, 255});
    lblware_ = label(*Frame2_, {}, {1080, 600, 3840, 255});
    lbluse_ = label(*Frame2_, QStringLiteral("Total used: "), {240, 900, 4680, 255});
    Label1_ = label(*Frame2_, {}, {240, 1200, 4680, 1260});
    Label1_->setWordWrap(true);
    Label1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblComments_ = label(*Frame2_, {}, {240, 2490, 4680, 255});
}

void frminfo::buildContact() {
    Frame1_->setGeometry(TwipsRect(120, 3960, 5160, 900, logicalDpiX()));
    Frame1_->setMouseTracking(true);
    Frame1_->installEventFilter(this);
    label(*Frame1_, QStringLiteral("Site(s):"), {240, 300, 960, 255});
    label(*Frame1_, QStringLiteral("Projects:"), {240, 570, 960, 255});
    const std::array<const char*, 2> addresses{web_addresses::makerSite,
                                               web_addresses::computingProject};
    for (std::size_t i = 0; i < lblsite_.size(); ++i) {
        QLabel* site = label(*Frame1_, QString::fromLatin1(addresses[i]),
                             {1200, 300 + 270 * static_cast<int>(i), 0, 255});
        site->setFont(windowsFont("MS Sans Serif", 8, QFont::SansSerif));
        setTextColour(*site, kDarkRed);
        // Sized to its text, so the pointer lights the link only over the address.
        site->adjustSize();
        site->setMouseTracking(true);
        site->installEventFilter(this);
        lblsite_[i] = site;
    }
}

void frminfo::Form_Load() {
    const int year = std::max(facts_.currentYear(), kFirstCopyrightYear);
    lblcopyright_->setText(QStringLiteral("Copyright \u00a9 %1-%2 the Orvane developers")
                               .arg(kFirstCopyrightYear)
                               .arg(year));
    lblproduct_->setText(QString::fromStdString(facts_.title));
    lblproduct_->adjustSize();
    productLeft_ = kProductLeft;
    if (lblproduct_->width() > width()) {
        tmrtitlescrl_.start();
    }
    lblComments_->setText(QString::fromStdString(facts_.comments));
}

void frminfo::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        Form_Activate();
    }
}

void frminfo::Form_Activate() {
    lblware_->setText(QStringLiteral("Freeware"));
    if (lbltaal_->text() == QStringLiteral("eng")) {
        showEnglishTexts();
    }
    setWindowTitle(QStringLiteral("Info   [2.8]"));
    savedLinkColour_ = lblsite_[0]->palette().color(QPalette::WindowText);
}

void frminfo::showEnglishTexts() {
    lblversion_->setText(QStringLiteral("Version: ") + QString::fromStdString(VersionText(false)));
    Label1_->setText(BoxText(
        "Thank you for the use of this program.\r\n"
        "If there is a update or you want to place a comment , please mail me or see my site.\r\n"
        "The Brennic crew can't be responsibel for PC crashes and other stuff, for bat working "
        "programs!!!"));
    lbluse_->setText(QStringLiteral("Used: %1 time(s).").arg(facts_.usageCount));
}

void frminfo::tmrtitlescrl_Timer() {
    const int width = PixelsToTwips(lblproduct_->width(), logicalDpiX());
    if (productLeft_ <= -width) {
        // Gone out on the left: start again at the right edge.
        productLeft_ = PixelsToTwips(frameGeometry().width(), logicalDpiX());
    }
    productLeft_ -= kScrollStep;
    lblproduct_->move(TwipsToPixels(productLeft_, logicalDpiX()), lblproduct_->y());
}

void frminfo::setLinkLook(QLabel& label, bool lit, const QColor& colour) {
    QFont font = label.font();
    font.setBold(lit);
    label.setFont(font);
    setTextColour(label, colour);
    label.adjustSize();
}

void frminfo::lblsite_MouseMove(int index) {
    for (std::size_t i = 0; i < lblsite_.size(); ++i) {
        const bool lit = static_cast<int>(i) == index;
        setLinkLook(*lblsite_[i], lit, lit ? kPureRed : savedLinkColour_);
    }
    setCursor(Qt::UpArrowCursor);
}

void frminfo::Frame1_MouseMove() {
    for (QLabel* site : lblsite_) {
        setLinkLook(*site, false, savedLinkColour_);
    }
    setCursor(Qt::ArrowCursor);
}

void frminfo::lblsite_Click(int index) {
    openWebPage_(lblsite(index).text());
}

void frminfo::Image1_Click() {
    openWebPage_(QString::fromLatin1(web_addresses::makerSite));
}

bool frminfo::eventFilter(QObject* watched, QEvent* event) {
    const bool released = event->type() == QEvent::MouseButtonRelease &&
                          static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    for (std::size_t i = 0; i < lblsite_.size(); ++i) {
        if (watched == lblsite_[i] && event->type() == QEvent::MouseMove) {
            lblsite_MouseMove(static_cast<int>(i));
            return true;
        }
        if (watched == lblsite_[i] && released) {
            lblsite_Click(static_cast<int>(i));
            return true;
        }
    }
    if (watched == Frame1_ && event->type() == QEvent::MouseMove) {
        Frame1_MouseMove();
    } else if (watched == Image1_ && released) {
        Image1_Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace orvane::windows
