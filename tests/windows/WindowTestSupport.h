#pragma once

#include "windows/WindowDialogs.h"

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

// Dialogs that record what the windows would have shown or opened, so nothing blocks on a
// box nobody can click and no browser starts.
struct RecordingDialogs {
    struct Box {
        QString title;
        QString text;
    };
    std::vector<Box> shown;
    std::vector<QString> opened;
    windows::WindowDialogs dialogs{[](QWidget*, const QString&) { return true; },
                                   [this](QWidget*, const QString& title, const QString& text) {
                                       shown.push_back({title, text});
                                   },
                                   {},
                                   [this](const QString& address) { opened.push_back(address); }};
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
