#include "qt/ElementBinding.h"

#include "qt/FittedLines.h"
#include "qt/WindowDialogs.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTimer>

namespace orvane::qt {

namespace {

QString textOf(const Control& element) {
    return QString::fromLocal8Bit(element.caption());
}

// Enabled and visible, as every widget has them. A widget whose parent is hidden reports
// itself hidden, so the explicit flag is what is compared.
void showStates(const Control& element, QWidget& widget) {
    if (widget.isEnabledTo(widget.parentWidget()) != element.enabled()) {
        widget.setEnabled(element.enabled());
    }
    if (widget.isHidden() == element.visible()) {
        widget.setVisible(element.visible());
        if (element.visible()) {
            // A panel shown over the folder frames must be on top of them.
            widget.raise();
        }
    }
}

template <typename Widget, typename Show>
void bindWith(ViewSync& sync, Control& element, Widget& widget, Show show) {
    ViewSync::Slot& slot = sync.add([&element, &widget, show] { show(element, widget); });
    element.changed.bind([&sync, &slot] { sync.changed(slot); });
}

// A widget with a caption of its own, and the enabled and visible states.
template <typename Widget>
void bindCaptioned(ViewSync& sync, Control& element, Widget& widget,
                   QString (Widget::*caption)() const, void (Widget::*setCaption)(const QString&)) {
    bindWith(sync, element, widget, [caption, setCaption](const Control& e, Widget& w) {
        const QString text = textOf(e);
        if ((w.*caption)() != text) {
            (w.*setCaption)(text);
        }
        showStates(e, w);
    });
}

} // namespace

void BindLabel(ViewSync& sync, Control& element, QLabel& label) {
    label.setTextFormat(Qt::PlainText);
    bindCaptioned(sync, element, label, &QLabel::text, &QLabel::setText);
}

void BindFittedLabel(ViewSync& sync, Control& element, QLabel& label) {
    label.setTextFormat(Qt::PlainText);
    label.setWordWrap(false);
    bindWith(sync, element, label, [](const Control& e, QLabel& l) {
        const QString text = textOf(e);
        const QFontMetrics metrics = l.fontMetrics();
        const QRect room = l.contentsRect();
        const QString shown =
            FitLines(text, metrics, room.width(), room.height() / metrics.lineSpacing());
        if (l.text() != shown) {
            l.setText(shown);
        }
        // Two long paths can look alike once their middles are gone.
        const QString whole = shown == text ? QString() : text;
        if (l.toolTip() != whole) {
            l.setToolTip(whole);
        }
        showStates(e, l);
    });
}

void BindButton(ViewSync& sync, Control& element, QAbstractButton& button) {
    bindCaptioned(sync, element, button, &QAbstractButton::text, &QAbstractButton::setText);
}

void BindFrame(ViewSync& sync, Control& element, QGroupBox& frame) {
    bindCaptioned(sync, element, frame, &QGroupBox::title, &QGroupBox::setTitle);
}

void BindMenu(ViewSync& sync, Control& element, QMenu& menu) {
    bindWith(sync, element, menu, [](const Control& e, QMenu& m) {
        QAction& entry = *m.menuAction();
        entry.setText(textOf(e));
        entry.setEnabled(e.enabled());
        entry.setVisible(e.visible());
    });
}

void BindMenuEntry(ViewSync& sync, Control& element, QAction& entry) {
    bindWith(sync, element, entry, [](const Control& e, QAction& a) {
        a.setText(textOf(e));
        a.setEnabled(e.enabled());
        a.setVisible(e.visible());
        if (a.isCheckable()) {
            a.setChecked(e.checked());
        }
    });
}

void BindTextArea(ViewSync& sync, Control& element, QPlainTextEdit& box) {
    bindWith(sync, element, box, [](const Control& e, QPlainTextEdit& b) {
        const QString text = BoxText(e.caption());
        if (b.toPlainText() != text) {
            b.setPlainText(text);
        }
    });
}

void BindTimer(Control& element, QTimer& timer) {
    // At once, also during a run: the clock must stop when the list copy ends.
    const auto show = [&element, &timer] {
        if (element.enabled() && !timer.isActive()) {
            timer.start();
        } else if (!element.enabled() && timer.isActive()) {
            timer.stop();
        }
    };
    show();
    element.changed.bind(show);
}

void BindTextBox(ViewSync& sync, Control& element, QLineEdit& box) {
    bindCaptioned(sync, element, box, &QLineEdit::text, &QLineEdit::setText);
    QObject::connect(&box, &QLineEdit::textChanged, &box, [&element](const QString& text) {
        std::string typed = text.toLocal8Bit().toStdString();
        if (typed != element.caption()) {
            element.setCaption(std::move(typed));
        }
    });
}

} // namespace orvane::qt
