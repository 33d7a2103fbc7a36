#pragma once

#include "common/CopyFixtures.h"
#include "engine/CopySourceTree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <regex>
#include <tuple>
#include <vector>

namespace orvane::test {

using Lines = std::vector<std::string>;

// The state, window and log of a headless run; its yield hook counts yields and can click at
// any one.
struct RunHarness {
    RunState state;
    MainWindowElements window;
    SessionLog log;
    int yields = 0;
    std::function<void(int)> onYield = [](int) {}; // called at every yield with its number

    RunHarness(const std::string& source, const std::string& destination, bool move = false) {
        window.txtSource.setCaption(source);
        window.txtDestination.setCaption(destination);
        window.mnuOptMove.setChecked(move);
    }
    YieldHook yieldHook() {
        return [this] { onYield(++yields); };
    }
    // The log from line `from` on, with the time of each " copied in " line, which a test
    // cannot know, as <t>.
    Lines lines(std::size_t from = 1) const {
        Lines all;
        for (std::size_t i = from; i <= log.count(); ++i) {
            all.push_back(std::regex_replace(std::string(log.line(i)),
                                             std::regex(" copied in [0-9:.]+ \\["),
                                             " copied in <t> ["));
        }
        return all;
    }
    // Does `then` at the first yield where `when` holds, and never again.
    void onceWhen(const std::function<bool()>& when, const std::function<void()>& then) {
        onYield = [when, then, done = false](int) mutable {
            if (!done && when()) {
                done = true;
                then();
            }
        };
    }
    // The byte totals, raw: at the start, still to do, done.
    std::tuple<std::int64_t, std::int64_t, std::int64_t> totals() const {
        return {state.CTotalFileSizeStart.raw(), state.CTotalFileSize.raw(),
                state.CTotalFileSizetrans.raw()};
    }
    // A chunk of a file is copied: for a file of several chunks, the copy is under way.
    bool midFile() const { return !state.CLastTransferred.isZero(); }
    // The survey has logged its totals, where the run yields before it copies the list.
    bool surveyed() const {
        return log.count() > 0 && log.line(log.count()).starts_with("Total files to copy: ");
    }
};

// The copy Start runs once it has checked both folders, with the total bar as Start left it.
struct EngineHarness : RunHarness {
    using RunHarness::RunHarness;
    RunContext run{state, window, log, yieldHook()};

    void runIn(bool direct) {
        window.pbTotalFiles.setMax(1);
        CopySourceTree(run, direct);
    }
    void runSurveyMode() { runIn(false); }
    void runDirectMode() { runIn(true); }
};

// Sorted, numbers as "#": the system's listing order decides the order and the numbers only.
inline Lines inAnyOrder(Lines lines) {
    for (auto& line : lines) {
        line = std::regex_replace(line, std::regex("^[0-9]+\\. "), "#. ");
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

// A tree as text, sorted, one entry a line: "name/" a folder, "name -> target" a link,
// "name = bytes" a file, "name |" anything else. Links are not followed.
inline Lines listing(const std::string& folder) {
    namespace fs = std::filesystem;
    Lines entries;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string name = entry.path().lexically_relative(folder).generic_string();
        const auto type = entry.symlink_status().type();
        entries.push_back(type == fs::file_type::directory ? name + "/"
                          : type == fs::file_type::symlink
                              ? name + " -> " + fs::read_symlink(entry.path()).string()
                          : type == fs::file_type::regular
                              ? name + " = " + readFile(entry.path().string())
                              : name + " |");
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

// Same names, bytes and link targets (with exclusions, diff's -x options, diff tells what
// differs), and every regular file with the same permission bits and modification time.
// Links are not followed, so a loop among them is just another entry.
inline bool sameTree(const std::string& expected, const std::string& actual,
                     const std::string& excluded = "") {
    namespace fs = std::filesystem;
    if (excluded.empty() ? listing(expected) != listing(actual)
                         : std::system(("diff -r --no-dereference " + excluded + " '" + expected +
                                        "' '" + actual + "' >&2")
                                           .c_str()) != 0) {
        ADD_FAILURE() << actual << " does not hold what " << expected << " holds";
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

// Makes the folders, links and files of such a listing below the folder.
inline void plant(const std::string& folder, const Lines& entries) {
    namespace fs = std::filesystem;
    for (const auto& entry : entries) {
        const auto link = entry.find(" -> "), bytes = entry.find(" = ");
        const fs::path path = fs::path(folder) / entry.substr(0, std::min(link, bytes));
        fs::create_directories(entry.ends_with("/") ? path : path.parent_path());
        if (link != std::string::npos) {
            fs::create_symlink(entry.substr(link + 4), path);
        } else if (bytes != std::string::npos) {
            writeAll(path.string(), entry.substr(bytes + 3));
        }
    }
}

// A source folder and its destination folder in a scratch folder, as Start leaves them before
// a run, and the run between them.
struct Scene {
    explicit Scene(bool move = false) : harness(source, destination, move) {}
    std::string src(const std::string& relative) const { return below(source, relative); }
    std::string dst(const std::string& relative) const { return below(destination, relative); }
    static std::string below(const std::string& folder, const std::string& relative) {
        return folder + std::filesystem::path("/" + relative).make_preferred().string();
    }
    void plant(const Lines& entries) const { test::plant(temp.path(), entries); }

    TempFolder temp;
    std::string source = temp.makeFolder("data");
    std::string destination = temp.makeFolder("backup/data");
    EngineHarness harness;
};

class EngineTest : public ::testing::Test, protected Scene {};

// Plays a case in survey mode and in direct mode, each in a fresh scene.
inline void inBothModes(bool move, const std::function<void(Scene&, bool direct)>& play) {
    for (const bool direct : {false, true}) {
        SCOPED_TRACE(direct ? "direct" : "survey");
        Scene scene(move);
        play(scene, direct);
    }
}

} // namespace orvane::test
