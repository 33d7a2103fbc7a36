#pragma once

#include "state/ChangeSignal.h"

#include <string>
#include <string_view>

namespace orvane {

// A progress bar as the run sees it: whole-number Min (always 0), Max and Value, and a free
// Text. The run writes these; nothing reads Text back.
class ProgressElement {
public:
    int Min() const { return 0; }
    int Max() const { return max_; }
    int Value() const { return value_; }
    const std::string& Text() const { return text_; }

    void setMax(int max) {
        max_ = max;
        changed.notify();
    }
    void setValue(int value) {
        value_ = value;
        changed.notify();
    }
    // The text's storage is kept and reused: a run sets it at every chunk of every file.
    void setText(std::string_view text) {
        text_.assign(text);
        changed.notify();
    }
    // Writes the text in place, into its cleared storage: `compose(std::string&)`.
    template <typename Compose> void composeText(Compose compose) {
        text_.clear();
        compose(text_);
        changed.notify();
    }

    ChangeSignal changed;

private:
    int max_ = 100;
    int value_ = 0;
    std::string text_;
};

} // namespace orvane
