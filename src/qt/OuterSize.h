#pragma once

#include "windowlogic/WindowFrame.h"

#include <QObject>

#include <functional>

class QWidget;

namespace orvane::qt {

// What the window manager draws around a window, as Qt reports it; none before the window
// is shown, and none on a display without a window manager.
windowlogic::FrameMargins ReportedFrame(const QWidget& window);

// The height of a title bar as the window's style draws one.
int UsualTitleBarHeight(const QWidget& window);

// Keeps a window at an outer size given in twips (see InnerSize). The frame is known only
// once the window manager has taken the window, which may be after it is shown, so the size
// is set again when the window is shown or moved and the frame it reports has changed.
class OuterSize final : public QObject {
public:
    // A fixed window keeps its size; a resizable one is only given its first size, and is
    // given it again for a frame reported later as long as the user has not resized it.
    enum class Fixing { fixed, resizable };

    // `sized` is told each time the window is given its size.
    OuterSize(QWidget& window, Fixing fixing, std::function<void()> sized = {});

    void set(windowlogic::TwipsSize outer);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void apply();

    QWidget& window_;
    Fixing fixing_;
    std::function<void()> sized_;
    windowlogic::TwipsSize outer_{};
    windowlogic::FrameMargins frame_{};
    windowlogic::PixelSize given_{};
    bool set_ = false;
};

} // namespace orvane::qt
