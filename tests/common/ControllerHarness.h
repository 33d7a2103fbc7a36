#pragma once

#include "app/OptionQuestion.h"
#include "app/RunController.h"

#include <cstdint>
#include <functional>
#include <regex>
#include <string>
#include <vector>

namespace orvane::test {

// Answers every option confirmation with the same scripted answer and keeps each text asked.
class ScriptedQuestion final : public OptionQuestion {
public:
    bool answer = true;
    std::vector<std::string> asked;

    bool confirm(const std::string& text) override {
        asked.push_back(text);
        return answer;
    }
};

// A headless main window around a run controller whose clocks are pinned: the tick count is
// whatever `tick` holds when read, and the local time alternates between the moment of Start
// and the moment of the closing line, so each of the two lines can be told apart.
struct ControllerHarness {
    static constexpr platform::LocalTime kStartMoment{2024, 3, 9, 14, 5, 7};
    static constexpr platform::LocalTime kEndMoment{2024, 3, 9, 15, 16, 28};

    RunState state;
    MainWindowElements window;
    SessionLog log;
    ScriptedQuestion question;
    std::uint32_t tick = 50000;
    int yields = 0;
    int nowCalls = 0;
    // Called at every yield with the yield's number in the current run (1-based).
    std::function<void(int)> onYield;
    RunController controller{
        state,
        window,
        log,
        [this] {
            ++yields;
            if (onYield) {
                onYield(yields);
            }
        },
        question,
        ControllerClocks{[this] { return tick; },
                         [this] { return nowCalls++ % 2 == 0 ? kStartMoment : kEndMoment; }},
        '.'};

    static std::string stamp(const platform::LocalTime& moment) {
        return platform::shortDate(moment) + " " + platform::shortTime(moment);
    }
    static std::string startLine() { return "Start copying on " + stamp(kStartMoment); }
    static std::string stoppedLine() { return "Stopped copying on " + stamp(kEndMoment); }
    static std::string rule() { return std::string(46, '-'); }

    void setFolders(const std::string& source, const std::string& destination) {
        window.txtSource.setCaption(source);
        window.txtDestination.setCaption(destination);
    }

    // Presses Start and returns the lines this run added, with the time of every " copied in "
    // line replaced by <t>: the copy measures it on the real clock.
    std::vector<std::string> run() {
        static const std::regex copyTime(" copied in [0-9:.]+ \\[");
        const std::size_t before = log.count();
        yields = 0;
        controller.cmdStart_Click();
        std::vector<std::string> added;
        for (std::size_t i = before + 1; i <= log.count(); ++i) {
            added.push_back(std::regex_replace(log.line(i), copyTime, " copied in <t> ["));
        }
        return added;
    }
};

} // namespace orvane::test
