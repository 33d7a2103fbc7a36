#pragma once

#include "common/TempFolder.h"
#include "windowlogic/frmMain.h"

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace orvane::test {

// The items of a list, and the lines of a log, in order.
inline std::vector<std::string> itemsOf(const ListElement& list) {
    std::vector<std::string> items;
    for (std::size_t i = 0; i < list.count(); ++i) {
        items.push_back(list.item(i));
    }
    return items;
}
inline std::vector<std::string> linesOf(const SessionLog& log) {
    std::vector<std::string> lines;
    for (std::size_t i = 1; i <= log.count(); ++i) {
        lines.emplace_back(log.line(i));
    }
    return lines;
}

// A secondary window as a toolkit shows it: it records what its logic asks, and closing it
// runs the logic's unload, as a toolkit's close does.
template <typename View> class ScriptedView : public View {
public:
    explicit ScriptedView(std::function<void()> unload) : unload_(std::move(unload)) {}
    void bringForward() override { shown = true; }
    void closeWindow() override {
        shown = false;
        unload_();
    }
    void setCaption(const std::string& text) override { caption = text; }

    bool shown = false;
    std::string caption;

private:
    std::function<void()> unload_;
};

struct ScriptedHistoryView : ScriptedView<windowlogic::HistoryWindowView> {
    using ScriptedView::ScriptedView;
    void setOuterSize(windowlogic::TwipsSize size) override { outer = size; }
    void fitTextBox() override { fitted = true; }
    void inform(const std::string& title, const std::string& text) override {
        box = title + "|" + text;
    }
    windowlogic::TwipsSize outer;
    bool fitted = false;
    std::string box;
};

// Widths in twips, as a toolkit would measure them.
struct ScriptedInfoView : ScriptedView<windowlogic::InfoWindowView> {
    using ScriptedView::ScriptedView;
    int innerWidth() const override { return 5400; }
    int outerWidth() const override { return 5520; }
    int productWidth() const override { return product; }
    void moveProduct(int left) override { lefts.push_back(left); }
    windowlogic::Colour linkColour(int index) const override { return looks.at(index).second; }
    void setLinkLook(int index, bool bold, windowlogic::Colour colour) override {
        looks.at(index) = {bold, colour};
    }
    void setPointer(windowlogic::Pointer shown) override { pointer = shown; }

    int product = 1000;
    std::vector<int> lefts;
    std::map<int, std::pair<bool, windowlogic::Colour>> looks{{0, {false, {0, 0, 128}}},
                                                              {1, {false, {0, 0, 128}}}};
    windowlogic::Pointer pointer = windowlogic::Pointer::arrow;
};

// The main window as a toolkit shows it, without a toolkit: it records the window's sizes,
// caption and moves, answers the boxes and the folder dialog from a script, records the web
// pages it would open, and plays a user's actions when the run hands it events.
class ScriptedWindow final : public windowlogic::MainWindowView, public windowlogic::WindowMaker {
public:
    void setOuterSize(windowlogic::TwipsSize size) override { outer = size; }
    void setCaption(const std::string& text) override { caption = text; }
    void moveControl(windowlogic::MainControl control, int left, int top) override {
        moves[control] = {left, top};
    }
    void showCopyList(bool shown) override { copyListShown = shown; }
    // The n-th confirmation answers answers[n] (past its end: Cancel).
    bool confirm(const std::string& text) override {
        questions.push_back(text);
        return questions.size() <= answers.size() && answers[questions.size() - 1];
    }
    void inform(const std::string& title, const std::string& text) override {
        informed.push_back(title + "|" + text);
    }
    std::string chooseFolder(const std::string& title, int startFolder, int rootFolder) override {
        folderDialogs.push_back(title + "|" + std::to_string(startFolder) + "|" +
                                std::to_string(rootFolder));
        return chosenFolder;
    }
    void openWebPage(const std::string& address) override { opened.push_back(address); }
    void endProgram() override { ++endings; }
    void handleEvents() override { userActs(); }
    void waitForEvents() override {
        ++waits;
        userActs();
    }

    std::unique_ptr<windowlogic::WindowView> makeReportWindow(windowlogic::frmErr& logic) override {
        return made(report, logic);
    }
    std::unique_ptr<windowlogic::WindowView>
    makeDebugWindow(windowlogic::frmDebug& logic) override {
        return made(debug, logic);
    }
    std::unique_ptr<windowlogic::HistoryWindowView>
    makeHistoryWindow(windowlogic::frmHistory& logic) override {
        return made(history, logic);
    }
    std::unique_ptr<windowlogic::InfoWindowView>
    makeInfoWindow(windowlogic::frminfo& logic) override {
        auto view = made(info, logic);
        view->product = productWidth;
        return view;
    }

    // Runs `action` once, at the first handling of events during which `condition` holds:
    // a user's click in the middle of a run, at a chosen moment of it.
    void whenEventsCome(std::function<bool()> condition, std::function<void()> action) {
        condition_ = std::move(condition);
        action_ = std::move(action);
    }

    windowlogic::TwipsSize outer;
    std::string caption;
    std::map<windowlogic::MainControl, std::pair<int, int>> moves;
    bool copyListShown = false;
    std::vector<bool> answers;
    std::vector<std::string> questions, informed, opened, folderDialogs;
    std::string chosenFolder;
    int endings = 0, waits = 0;
    int productWidth = 1000;
    // The windows made last; their logic owns them.
    ScriptedView<windowlogic::WindowView>* report = nullptr;
    ScriptedView<windowlogic::WindowView>* debug = nullptr;
    ScriptedHistoryView* history = nullptr;
    ScriptedInfoView* info = nullptr;

private:
    template <typename Scripted, typename Logic>
    static std::unique_ptr<Scripted> made(Scripted*& last, Logic& logic) {
        auto view = std::make_unique<Scripted>([&logic] { logic.Form_Unload(); });
        last = view.get();
        return view;
    }
    void userActs() {
        if (action_ && condition_()) {
            auto action = std::exchange(action_, {});
            action();
        }
    }

    std::function<bool()> condition_;
    std::function<void()> action_;
};

// The program "bin" in a scratch folder: the INI file, the history file (bin_history.txt)
// and the logs folder are in `programFolder`, the date is pinned (the log file is
// logs/log_04_12_2026.txt), and the run handles events at every yield.
inline windowlogic::ProgramSetup ScratchSetup(const std::string& programFolder,
                                              std::string argumentText) {
    const std::string logs = (std::filesystem::path(programFolder) / "logs").string();
    return {{platform::ProgramLayout::Portable, "bin", programFolder, logs, programFolder},
            std::move(argumentText),
            {systemClocks().tickCount, [] { return platform::LocalTime{2026, 12, 4, 9, 30, 0}; }},
            ".",
            std::chrono::milliseconds(0),
            std::chrono::milliseconds(0)};
}

// The main window's logic started as that program, shown by a scripted window.
class LogicHarness {
public:
    explicit LogicHarness(std::string argumentText = {})
        : main_(std::make_unique<windowlogic::frmMain>(
              ScratchSetup(folder_.makeFolder("bin"), std::move(argumentText)), window, window)) {
        main_->Form_Load();
    }

    windowlogic::frmMain& main() { return *main_; }
    MainWindowElements& elements() { return main_->elements(); }
    const TempFolder& folder() const { return folder_; }
    std::string logFile() const { return readFile(folder_ / "bin/logs/log_04_12_2026.txt"); }

    // Types the two folders into the boxes and clicks Start; returns when the run has ended.
    void runCopy(const std::string& source, const std::string& destination) {
        elements().txtSource.setCaption(source);
        elements().txtDestination.setCaption(destination);
        main_->cmdStart_Click();
    }

    ScriptedWindow window;

private:
    TempFolder folder_;
    std::unique_ptr<windowlogic::frmMain> main_;
};

} // namespace orvane::test
