#pragma once

#include "state/MainWindowElements.h"
#include "state/RunState.h"
#include "support/SessionLog.h"
#include "windows/SecondaryWindows.h"
#include "windows/WindowDialogs.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace orvane::test {

// Dialogs that record what the windows would have shown or opened, so nothing blocks on a box
// nobody can click and no browser starts. The n-th confirmation answers with `answers`[n] (past
// its end: Cancel) and records its text; an information box is recorded as "title|text"; the folder
// dialog answers with `nextFolder` (empty: cancelled).
struct RecordingDialogs {
    std::vector<bool> answers;
    std::vector<QString> questions;
    std::vector<QString> shown;
    std::vector<QString> opened;
    std::string nextFolder;
    windows::WindowDialogs dialogs{
        [this](QWidget*, const QString& text) {
            questions.push_back(text);
            return questions.size() <= answers.size() && answers[questions.size() - 1];
        },
        [this](QWidget*, const QString& title, const QString& text) {
            shown.push_back(title + "|" + text);
        },
        [this](QWidget*, const QString&, const QString&, const QString&) {
            return QString::fromStdString(nextFolder);
        },
        [this](const QString& address) { opened.push_back(address); }};
};

// The secondary windows as a main window's menu commands open them, with the test's history
// file and About facts.
struct SecondaryHarness {
    explicit SecondaryHarness(
        std::string historyFile = {},
        std::function<windows::InfoFacts()> facts = [] { return windows::InfoFacts{}; })
        : windows(owner, {log, state, mainWindow, boxes.dialogs, [] {}, std::move(historyFile),
                          std::move(facts)}) {}

    RunState state;
    MainWindowElements mainWindow;
    SessionLog log;
    RecordingDialogs boxes;
    QWidget owner;
    windows::SecondaryWindows windows;
};

// The items of a list, and the lines of a log, in order.
inline std::vector<std::string> itemsOf(const ListElement& list) {
    std::vector<std::string> items;
    for (std::size_t i = 0; i < list.count(); ++i) {
        items.push_back(list.item(i));
    }
    return items;
}
inline std::vector<std::string> linesOf(const SessionLog& log) {
    std::vector<std::string> lines;
    for (std::size_t i = 1; i <= log.count(); ++i) {
        lines.push_back(log.line(i));
    }
    return lines;
}
inline bool contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

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
