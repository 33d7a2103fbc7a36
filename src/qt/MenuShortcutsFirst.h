#pragma once

#include <QObject>

class QWidget;

namespace orvane::qt {

// Gives a window's menu shortcuts precedence over the key bindings of the text boxes it is
// installed on: a text box claims Ctrl+A for selecting its text, and the window's About
// entry would never be reached while the caret is in a box, where it starts.
class MenuShortcutsFirst final : public QObject {
public:
    // `window` holds the actions whose shortcuts come first.
    explicit MenuShortcutsFirst(QWidget& window) : window_(window) {}

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
};

} // namespace orvane::qt
