#pragma once

#include "engine/RunContext.h"

#include <functional>
#include <string>
#include <vector>

namespace orvane::test {

// A headless run: the state, the window elements and the log a real run would use, and a
// yield hook that counts yields and can play a click at an exact one.
struct EngineHarness {
    RunState state;
    MainWindowElements window;
    SessionLog log;
    int yields = 0;
    // Called at every yield with the yield's number (1-based); set it to script clicks.
    std::function<void(int)> onYield;

    RunContext context() {
        return RunContext{state, window, log, [this] {
                              ++yields;
                              if (onYield) {
                                  onYield(yields);
                              }
                          }};
    }

    std::vector<std::string> lines() const {
        std::vector<std::string> all;
        for (std::size_t i = 1; i <= log.count(); ++i) {
            all.push_back(log.line(i));
        }
        return all;
    }
};

} // namespace orvane::test
