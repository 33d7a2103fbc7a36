#pragma once

#include <QString>

class QWidget;

namespace orvane {

// The modal information boxes of the windows. The program shows real boxes; tests record
// what would have been shown instead of blocking on a box nobody can click.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // An information box with an OK button; returns when it is dismissed.
    virtual void information(QWidget* owner, const QString& title, const QString& text) = 0;
};

class QtMessageBoxes final : public MessageBoxes {
public:
    void information(QWidget* owner, const QString& title, const QString& text) override;
};

} // namespace orvane
