#pragma once

#include "windows/MessageBoxes.h"

#include <QApplication>
#include <QElapsedTimer>

#include <functional>
#include <ostream>
#include <vector>

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace orvane::test {

// Records the boxes a window would show, so nothing blocks on a box nobody can click.
struct RecordingBoxes : MessageBoxes {
    struct Box {
        QString title;
        QString text;
    };
    std::vector<Box> shown;
    void information(QWidget*, const QString& title, const QString& text) override {
        shown.push_back({title, text});
    }
};

// Lets the event loop run until the condition holds; false after a few seconds without it.
// Deferred deletions (closed windows) are carried out on the way.
inline bool eventually(const std::function<bool()>& condition) {
    QElapsedTimer waited;
    waited.start();
    while (!condition()) {
        if (waited.elapsed() > 5000) {
            return false;
        }
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

} // namespace orvane::test
