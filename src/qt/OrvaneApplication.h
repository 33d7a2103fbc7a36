#pragma once

#include <QApplication>

#include <functional>

namespace orvane::qt {

// The application object. An exception that escapes an event handler would otherwise end
// the program without saving the session log; here it is caught where Qt hands the event
// over, reported on standard error, and passed to `onFailure`, which unloads the window.
class OrvaneApplication final : public QApplication {
public:
    OrvaneApplication(int& argc, char** argv) : QApplication(argc, argv) {}

    bool notify(QObject* receiver, QEvent* event) override;

    void setFailureHandler(std::function<void()> onFailure) { onFailure_ = std::move(onFailure); }

    // The exit status of a program ended by an unexpected failure.
    static constexpr int kFailureStatus = 70;

private:
    void fail(const char* what);

    std::function<void()> onFailure_;
    bool failed_ = false;
};

} // namespace orvane::qt
