#pragma once

#include "state/ChangeSignal.h"

#include <string>

namespace orvane {

// A label, button, frame, text box, menu entry or timer as the run sees it: a caption (the
// text of a text box), and the enabled, visible and checked states. Each kind uses the
// states it has; the window binds the element to its widget.
class Control {
public:
    Control() = default;
    explicit Control(std::string caption, bool enabled = true, bool visible = true)
        : caption_(std::move(caption)), enabled_(enabled), visible_(visible) {}

    const std::string& caption() const { return caption_; }
    bool enabled() const { return enabled_; }
    bool visible() const { return visible_; }
    bool checked() const { return checked_; }

    void setCaption(std::string caption) {
        caption_ = std::move(caption);
        changed.notify();
    }
    void setEnabled(bool enabled) {
        enabled_ = enabled;
        changed.notify();
    }
    void setVisible(bool visible) {
        visible_ = visible;
        changed.notify();
    }
    void setChecked(bool checked) {
        checked_ = checked;
        changed.notify();
    }

    ChangeSignal changed;

private:
    std::string caption_;
    bool enabled_ = true;
    bool visible_ = true;
    bool checked_ = false;
};

} // namespace orvane
