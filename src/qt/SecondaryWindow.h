#pragma once

#include <QString>
#include <QWidget>

#include <string>

namespace orvane::qt {

// What every secondary window does the same way in Qt: it is a window of its own over the
// main window, shown in front without blocking it, closed as the user closes it (the close
// event then runs the logic's unload), its caption the window's title.
template <typename View> class SecondaryWindow : public QWidget, public View {
public:
    explicit SecondaryWindow(QWidget* owner) : QWidget(owner, Qt::Window) {}

    void bringForward() override {
        show();
        raise();
        activateWindow();
    }
    void closeWindow() override { close(); }
    void setCaption(const std::string& caption) override {
        setWindowTitle(QString::fromStdString(caption));
    }
};

} // namespace orvane::qt
