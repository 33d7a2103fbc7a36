#include "qt/InfoWindow.h"

#include "qt/DesignFont.h"
#include "qt/ElementBinding.h"
#include "qt/PixelRect.h"
#include "qt/WindowDialogs.h"

#include <QCloseEvent>
#include <QMouseEvent>

namespace orvane::qt {

namespace {

#include "orvane-logo.xpm"

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
    using windowlogic::frminfo;
    setFixedSize(windowlogic::TwipsToPixels(frminfo::kSize.width, dpi()),
                 windowlogic::TwipsToPixels(frminfo::kSize.height, dpi()));
    setFont(DesignFont(frminfo::kFont, QFont::SansSerif));
    lblproduct.setFont(DesignFont(frminfo::kProductFont, QFont::Cursive));
    setTextColour(lblproduct, qtColour(frminfo::kDarkRed));
    placeControls();
    bindElements();
    // The language code steers the texts; it is not for the user to read.
    lbltaal.hide();
    Image1.setPixmap(QPixmap(orvane_logo));
    Image1.installEventFilter(this);
    Frame1.setMouseTracking(true);
    Frame1.installEventFilter(this);
    for (QLabel& site : lblsite) {
        site.setFont(DesignFont(frminfo::kFont, QFont::SansSerif));
        setTextColour(site, qtColour(frminfo::kDarkRed));
        site.setMouseTracking(true);
        site.installEventFilter(this);
    }
    Label1.setWordWrap(true);
    Label1.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    cmdback.setToolTip(QString::fromUtf8(frminfo::kBackTip.data(),
                                         static_cast<qsizetype>(frminfo::kBackTip.size())));
    connect(&cmdback, &QPushButton::clicked, this, [this] { logic_.cmdback_Click(); });
    tmrtitlescrl.setInterval(windowlogic::frminfo::kScrollMs);
    connect(&tmrtitlescrl, &QTimer::timeout, this, [this] { logic_.tmrtitlescrl_Timer(); });
}

QWidget& InfoWindow::widget(windowlogic::InfoControl control) {
    using enum windowlogic::InfoControl;
    switch (control) {
    case window:
        return *this;
    case lblproduct:
        return this->lblproduct;
    case lblcopyright:
        return this->lblcopyright;
    case Frame2:
        return this->Frame2;
    case lblversion:
        return this->lblversion;
    case Label5:
        return this->Label5;
    case lblware:
        return this->lblware;
    case lbluse:
        return this->lbluse;
    case Label1:
        return this->Label1;
    case lblComments:
        return this->lblComments;
    case Frame1:
        return this->Frame1;
    case Label2_0:
        return Label2[0];
    case Label2_1:
        return Label2[1];
    case lblsite_0:
        return lblsite[0];
    case lblsite_1:
        return lblsite[1];
    case lbltaal:
        return this->lbltaal;
    case Image1:
        return this->Image1;
    case cmdback:
        return this->cmdback;
    }
    return *this;
}

void InfoWindow::placeControls() {
    for (const auto& [control, parent, place, caption] : windowlogic::InfoWindowLayout()) {
        QWidget& shown = widget(control);
        shown.setGeometry(PixelRect(place, dpi()));
        const QString text =
            QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
        if (auto* label = qobject_cast<QLabel*>(&shown); label != nullptr && !caption.empty()) {
            label->setText(text);
        } else if (auto* frame = qobject_cast<QGroupBox*>(&shown); frame != nullptr) {
            frame->setTitle(text);
        } else if (auto* button = qobject_cast<QPushButton*>(&shown); button != nullptr) {
            button->setText(text);
        }
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
