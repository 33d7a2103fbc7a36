#pragma once

#include "common/CopyFixtures.h"
#include "engine/CopyFromList.h"
#include "engine/DirectCopyTree.h"
#include "engine/SurveySource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <regex>
#include <vector>

namespace orvane::test {

using Lines = std::vector<std::string>;
// Three chunks of the platform copy: a file whose copy can be caught in the middle.
inline constexpr std::size_t kLargeFile = 12 << 20;

// A headless run as Start drives it; its yield hook counts yields and can click at any one.
struct EngineHarness {
    RunState state;
    MainWindowElements window;
    SessionLog log;
    int yields = 0;
    std::function<void(int)> onYield = [](int) {}; // called at every yield with its number
    std::function<void()> afterSurvey = [] {};
    RunContext run{state, window, log, [this] { onYield(++yields); }};

    EngineHarness(const std::string& source, const std::string& destination, bool move = false) {
        window.txtSource.setCaption(source);
        window.txtDestination.setCaption(destination);
        window.mnuOptMove.setChecked(move);
    }
    // The log, with the time of each " copied in " line, which a test cannot know, as <t>.
    Lines lines() const {
        Lines all;
        for (std::size_t i = 1; i <= log.count(); ++i) {
            all.push_back(std::regex_replace(log.line(i), std::regex(" copied in [0-9:.]+ \\["),
                                             " copied in <t> ["));
        }
        return all;
    }
    // Survey, turn the file count and the totals into the list run's terms, copy the list.
    void runSurveyMode() {
        window.pbTotalFiles.setMax(1);
        SurveySource(run, window.txtSource.caption());
        afterSurvey(); // where Start yields, once it has logged the survey's totals
        window.pbTotalFiles.setMax(window.pbTotalFiles.Max() - 1);
        state.CTotalFileSize = state.CTotalFileSize.dividedBy(Amount::kScale);
        state.CTotalFileSizeStart = state.CTotalFileSizeStart.dividedBy(Amount::kScale);
        CopyFromList(run);
    }
    void runDirectMode() {
        window.pbTotalFiles.setMax(1);
        DirectCopyTree(run, window.txtSource.caption(), window.txtDestination.caption());
    }
};

// Sorted, numbers as "#": the system's listing order decides the order and the numbers only.
inline Lines inAnyOrder(Lines lines) {
    for (auto& line : lines) {
        line = std::regex_replace(line, std::regex("^[0-9]+\\. "), "#. ");
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

// Same names, bytes and link targets (diff tells what differs, and -x exclusions can be
// passed), and every regular file with the same permission bits and modification time.
// Links are not followed, so a loop among them is just another entry.
inline bool sameTree(const std::string& expected, const std::string& actual,
                     const std::string& excluded = "") {
    namespace fs = std::filesystem;
    const std::string diff =
        "diff -r --no-dereference " + excluded + " '" + expected + "' '" + actual + "' >&2";
    if (std::system(diff.c_str()) != 0) {
        return false;
    }
    for (const auto& entry : fs::recursive_directory_iterator(expected)) {
        const fs::path copy = fs::path(actual) / entry.path().lexically_relative(expected);
        if (entry.symlink_status().type() == fs::file_type::regular &&
            (fs::symlink_status(copy).permissions() != entry.symlink_status().permissions() ||
             fs::last_write_time(copy) != entry.last_write_time())) {
            ADD_FAILURE() << copy << " differs in its mode or modification time";
            return false;
        }
    }
    return true;
}

// A source folder and its destination folder, as Start leaves them before a run.
class EngineTest : public ::testing::Test {
protected:
    std::string src(const std::string& relative) const { return source + "/" + relative; }
    std::string dst(const std::string& relative) const { return destination + "/" + relative; }

    TempFolder temp;
    std::string source = temp.makeFolder("data");
    std::string destination = temp.makeFolder("backup/data");
    EngineHarness harness{source, destination};
};

} // namespace orvane::test
