#pragma once

#include "engine/CopyFromList.h"
#include "engine/DirectCopyTree.h"
#include "engine/RunContext.h"
#include "engine/SurveySource.h"

#include <functional>
#include <regex>
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

    // The log so far, with the time of every " copied in " line replaced by <t>: it is the
    // one part of a line a test cannot know.
    std::vector<std::string> lines() const {
        static const std::regex copyTime(" copied in [0-9:.]+ \\[");
        std::vector<std::string> all;
        for (std::size_t i = 1; i <= log.count(); ++i) {
            all.push_back(std::regex_replace(log.line(i), copyTime, " copied in <t> ["));
        }
        return all;
    }

    // Points the two folder boxes at a source and the run's destination folder.
    void setFolders(const std::string& source, const std::string& destination) {
        window.txtSource.setCaption(source);
        window.txtDestination.setCaption(destination);
    }

    // The default mode as Start drives it: survey, turn the file count and the totals into
    // the list run's terms, then copy from the list.
    void runSurveyMode() {
        const RunContext run = context();
        window.pbTotalFiles.setValue(0);
        window.pbTotalFiles.setMax(1);
        SurveySource(run, window.txtSource.caption());
        window.pbTotalFiles.setMax(window.pbTotalFiles.Max() - 1);
        state.CTotalFileSize = state.CTotalFileSize.dividedBy(Amount::kScale);
        state.CTotalFileSizeStart = state.CTotalFileSizeStart.dividedBy(Amount::kScale);
        CopyFromList(run);
    }

    // The Direct Copy mode as Start drives it.
    void runDirectMode() {
        window.pbTotalFiles.setValue(0);
        window.pbTotalFiles.setMax(1);
        DirectCopyTree(context(), window.txtSource.caption(), window.txtDestination.caption());
    }
};

} // namespace orvane::test
