#pragma once

#include "app/OptionQuestion.h"
#include "windows/FolderPicker.h"
#include "windows/ViewSync.h"

#include <QString>

#include <functional>

class QWidget;

namespace orvane::windows {

// Every modal box and outside program the main window opens, each replaceable, so that a
// test can drive the real window without blocking on a dialog or starting a browser.
struct WindowDialogs {
    // The two option confirmations at Start: OK and Cancel; true for OK.
    std::function<bool(QWidget* owner, const QString& text)> confirm;
    // An information box with an OK button.
    std::function<void(QWidget* owner, const QString& title, const QString& text)> inform;
    FolderDialog chooseFolder;
    // Opens a web page in the user's default browser; whether that worked is not checked.
    std::function<void(const QString& address)> openWebPage;
};

// The real boxes: QMessageBox, QFileDialog and QDesktopServices.
WindowDialogs QtDialogs();

// The texts of the window's boxes are written with CR LF line breaks; Qt breaks on LF only.
QString BoxText(const std::string& text);

// The run controller's confirmation, asked through the window's dialogs. The window shows
// the run's state first: the box has an event loop of its own, in which the window repaints.
class DialogQuestion final : public OptionQuestion {
public:
    DialogQuestion(QWidget& owner, const WindowDialogs& dialogs, ViewSync& sync)
        : owner_(owner), dialogs_(dialogs), sync_(sync) {}
    bool confirm(const std::string& text) override;

private:
    QWidget& owner_;
    const WindowDialogs& dialogs_;
    ViewSync& sync_;
};

} // namespace orvane::windows
