#include "qt/MenuShortcutsFirst.h"

#include <QAction>
#include <QKeyEvent>
#include <QWidget>

namespace orvane::qt {

bool MenuShortcutsFirst::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        for (const QAction* action : window_.actions()) {
            if (action->isEnabled() && action->shortcuts().contains(pressed)) {
                // Not claimed by the box: the window's shortcut then takes the key.
                event->ignore();
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace orvane::qt
