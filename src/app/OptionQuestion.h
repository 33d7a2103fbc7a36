#pragma once

#include <string>

namespace orvane {

// The confirmation Start asks for an option still checked. The window shows a message box
// with OK and Cancel; the command-line program and tests answer it themselves.
class OptionQuestion {
public:
    virtual ~OptionQuestion() = default;
    // True for OK; false for Cancel or a closed box.
    virtual bool confirm(const std::string& text) = 0;
};

// Answers OK to every question, as a user starting a run from the command line has.
class AlwaysOk final : public OptionQuestion {
public:
    bool confirm(const std::string&) override { return true; }
};

} // namespace orvane
