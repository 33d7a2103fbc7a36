#include "windows/ElementBinding.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>

namespace orvane::windows {

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
void bindWith(Control& element, Widget& widget, Show show) {
    show(element, widget);
    element.changed.bind([&element, &widget, show] { show(element, widget); });
}

} // namespace

void BindLabel(Control& element, QLabel& label) {
    label.setTextFormat(Qt::PlainText);
    bindWith(element, label, [](const Control& e, QLabel& l) {
        const QString text = textOf(e);
        if (l.text() != text) {
            l.setText(text);
        }
        showStates(e, l);
    });
}

void BindButton(Control& element, QAbstractButton& button) {
    bindWith(element, button, [](const Control& e, QAbstractButton& b) {
        const QString text = textOf(e);
        if (b.text() != text) {
            b.setText(text);
        }
        showStates(e, b);
    });
}

void BindFrame(Control& element, QGroupBox& frame) {
    bindWith(element, frame, [](const Control& e, QGroupBox& f) {
        const QString text = textOf(e);
        if (f.title() != text) {
            f.setTitle(text);
        }
        showStates(e, f);
    });
}

void BindMenu(Control& element, QMenu& menu) {
    bindWith(element, menu, [](const Control& e, QMenu& m) {
        QAction& entry = *m.menuAction();
        entry.setText(textOf(e));
        entry.setEnabled(e.enabled());
        entry.setVisible(e.visible());
    });
}

void BindMenuEntry(Control& element, QAction& entry) {
    entry.setCheckable(true);
    bindWith(element, entry, [](const Control& e, QAction& a) {
        a.setText(textOf(e));
        a.setEnabled(e.enabled());
        a.setVisible(e.visible());
        a.setChecked(e.checked());
    });
}

void BindTimer(Control& element, QTimer& timer) {
    bindWith(element, timer, [](const Control& e, QTimer& t) {
        if (e.enabled() && !t.isActive()) {
            t.start();
        } else if (!e.enabled() && t.isActive()) {
            t.stop();
        }
    });
}

void BindTextBox(Control& element, QLineEdit& box) {
    bindWith(element, box, [](const Control& e, QLineEdit& b) {
        const QString text = textOf(e);
        if (b.text() != text) {
            b.setText(text);
        }
        showStates(e, b);
    });
    QObject::connect(&box, &QLineEdit::textChanged, &box, [&element](const QString& text) {
        std::string typed = text.toLocal8Bit().toStdString();
        if (typed != element.caption()) {
            element.setCaption(std::move(typed));
        }
    });
}

} // namespace orvane::windows
