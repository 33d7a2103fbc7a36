#include "qt/InfoWindow.h"

#include "qt/ElementBinding.h"
#include "qt/PixelRect.h"
#include "qt/WindowDialogs.h"

#include <QCloseEvent>
#include <QMouseEvent>

namespace orvane::qt {

namespace {

#include "orvane-logo.xpm"

constexpr int kWidth = 5400, kHeight = 5760; // twips, the inner area
constexpr int kProductTop = 60;

QFont windowsFont(const char* face, int points, QFont::StyleHint hint) {
    QFont font(QString::fromLatin1(face), points);
    // Linux has none of these faces; the hint lets fontconfig pick a look-alike.
    font.setStyleHint(hint);
    return font;
}

QColor qtColour(windowlogic::Colour colour) {
    return {colour.red, colour.green, colour.blue};
}

// Shows the element's caption on the label, now and at every change; CR LF breaks a line.
void bindText(Control& element, QLabel& label, bool sizedToText) {
    label.setTextFormat(Qt::PlainText);
    const auto show = [&element, &label, sizedToText] {
        label.setText(BoxText(element.caption()));
        if (sizedToText) {
            label.adjustSize();
        }
    };
    show();
    element.changed.bind(show);
}

void setTextColour(QLabel& label, const QColor& colour) {
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, colour);
    label.setPalette(palette);
}

} // namespace

InfoWindow::InfoWindow(windowlogic::frminfo& logic, QWidget* owner)
    : SecondaryWindow(owner), logic_(logic) {
    setFixedSize(windowlogic::TwipsToPixels(kWidth, dpi()),
                 windowlogic::TwipsToPixels(kHeight, dpi()));
    setFont(windowsFont("MS Sans Serif", 8, QFont::SansSerif));
    lblproduct.setFont(windowsFont("Comic Sans MS", 18, QFont::Cursive));
    setTextColour(lblproduct, qtColour(windowlogic::frminfo::kDarkRed));
    placeControls();
    bindElements();
    // The language code steers the texts; it is not for the user to read.
    lbltaal.hide();
    Image1.setPixmap(QPixmap(orvane_logo));
    Image1.installEventFilter(this);
    Frame1.setMouseTracking(true);
    Frame1.installEventFilter(this);
    for (QLabel& site : lblsite) {
        site.setFont(windowsFont("MS Sans Serif", 8, QFont::SansSerif));
        setTextColour(site, qtColour(windowlogic::frminfo::kDarkRed));
        site.setMouseTracking(true);
        site.installEventFilter(this);
    }
    Label1.setWordWrap(true);
    Label1.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    cmdback.setToolTip(QStringLiteral("Go back to main window"));
    connect(&cmdback, &QPushButton::clicked, this, [this] { logic_.cmdback_Click(); });
    tmrtitlescrl.setInterval(windowlogic::frminfo::kScrollMs);
    connect(&tmrtitlescrl, &QTimer::timeout, this, [this] { logic_.tmrtitlescrl_Timer(); });
}

void InfoWindow::placeControls() {
    const struct {
        QWidget& control;
        windowlogic::TwipsRect place;
    } places[] = {
        {lblproduct, {windowlogic::frminfo::kProductLeft, kProductTop, 0, 0}},
        {lblcopyright, {120, 660, 5160, 255}},
        {Frame2, {120, 1020, 5160, 2820}},
        {lblversion, {240, 300, 4680, 255}},
        {Label5, {240, 600, 840, 255}},
        {lblware, {1080, 600, 3840, 255}},
        {lbluse, {240, 900, 4680, 255}},
        {Label1, {240, 1200, 4680, 1260}},
        {lblComments, {240, 2490, 4680, 255}},
        {Frame1, {120, 3960, 5160, 900}},
        {Label2[0], {240, 300, 960, 255}},
        {Label2[1], {240, 570, 960, 255}},
        {lblsite[0], {1200, 300, 0, 255}},
        {lblsite[1], {1200, 570, 0, 255}},
        {lbltaal, {960, 5040, 600, 255}},
        {Image1, {120, 4980, 720, 720}},
        {cmdback, {4080, 5220, 1200, 375}},
    };
    for (const auto& [control, place] : places) {
        control.setGeometry(PixelRect(place, dpi()));
    }
}

void InfoWindow::bindElements() {
    windowlogic::frminfo& e = logic_;
    for (auto [element, label] : {std::pair{&e.lblcopyright, &lblcopyright},
                                  {&e.lblversion, &lblversion},
                                  {&e.lblware, &lblware},
                                  {&e.lbluse, &lbluse},
                                  {&e.Label1, &Label1},
                                  {&e.lblComments, &lblComments},
                                  {&e.lbltaal, &lbltaal}}) {
        bindText(*element, *label, false);
    }
    // The product name and the links are as wide as their texts, so that the scroll knows the
    // name's width and the pointer lights a link only over its address.
    bindText(e.lblproduct, lblproduct, true);
    bindText(e.lblsite[0], lblsite[0], true);
    bindText(e.lblsite[1], lblsite[1], true);
    BindTimer(e.tmrtitlescrl, tmrtitlescrl);
}

int InfoWindow::innerWidth() const {
    return windowlogic::PixelsToTwips(width(), dpi());
}

int InfoWindow::outerWidth() const {
    return windowlogic::PixelsToTwips(frameGeometry().width(), dpi());
}

int InfoWindow::productWidth() const {
    return windowlogic::PixelsToTwips(lblproduct.width(), dpi());
}

void InfoWindow::moveProduct(int left) {
    lblproduct.move(windowlogic::TwipsToPixels(left, dpi()), lblproduct.y());
}

windowlogic::Colour InfoWindow::linkColour(int index) const {
    const QColor colour =
        lblsite.at(static_cast<std::size_t>(index)).palette().color(QPalette::WindowText);
    return {colour.red(), colour.green(), colour.blue()};
}

void InfoWindow::setLinkLook(int index, bool bold, windowlogic::Colour colour) {
    QLabel& label = lblsite.at(static_cast<std::size_t>(index));
    QFont font = label.font();
    font.setBold(bold);
    label.setFont(font);
    setTextColour(label, qtColour(colour));
    label.adjustSize();
}

void InfoWindow::setPointer(windowlogic::Pointer pointer) {
    setCursor(pointer == windowlogic::Pointer::upArrow ? Qt::UpArrowCursor : Qt::ArrowCursor);
}

void InfoWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        logic_.Form_Activate();
    }
}

void InfoWindow::closeEvent(QCloseEvent* event) {
    logic_.Form_Unload();
    QWidget::closeEvent(event);
}

bool InfoWindow::eventFilter(QObject* watched, QEvent* event) {
    const bool released = event->type() == QEvent::MouseButtonRelease &&
                          static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    for (std::size_t i = 0; i < lblsite.size(); ++i) {
        if (watched == &lblsite[i] && event->type() == QEvent::MouseMove) {
            logic_.lblsite_MouseMove(static_cast<int>(i));
            return true;
        }
        if (watched == &lblsite[i] && released) {
            logic_.lblsite_Click(static_cast<int>(i));
            return true;
        }
    }
    if (watched == &Frame1 && event->type() == QEvent::MouseMove) {
        logic_.Frame1_MouseMove();
    } else if (watched == &Image1 && released) {
        logic_.Image1_Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace orvane::qt
