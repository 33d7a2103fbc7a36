#pragma once

#include "state/ChangeSignal.h"

#include <string>
#include <string_view>

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

    // The caption's storage is kept and reused: a run sets some captions once per file.
    void setCaption(std::string_view caption) {
        caption_.assign(caption);
        changed.notify();
    }
    // Writes the caption in place, into its cleared storage: `compose(std::string&)`.
    template <typename Compose> void composeCaption(Compose compose) {
        caption_.clear();
        compose(caption_);
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
