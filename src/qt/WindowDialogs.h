#pragma once

#include "qt/FolderDialog.h"

#include <QString>

#include <functional>
#include <string>

class QWidget;

namespace orvane::qt {

// Every modal box and outside program the windows open, each replaceable, so that a test
// can drive the real window without blocking on a dialog or starting a browser.
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

} // namespace orvane::qt
