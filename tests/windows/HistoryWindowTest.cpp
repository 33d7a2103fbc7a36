#include "windows/frmHistory.h"

#include "common/TempFolder.h"
#include "state/MainWindowElements.h"
#include "state/RunState.h"
#include "support/SessionLog.h"
#include "windows/HistoryFile.h"
#include "windows/SecondaryWindows.h"
#include "windows/Twips.h"
#include "windows/WindowTestSupport.h"

#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include <tuple>

namespace orvane {

using namespace windows;

namespace {

// The History command of a main window whose history file is `file`.
struct HistoryHarness {
    RunState state;
    MainWindowElements mainWindow;
    SessionLog log;
    test::RecordingDialogs boxes;
    int yields = 0;
    QWidget owner;
    SecondaryWindows windows;

    explicit HistoryHarness(const std::string& file)
        : windows(owner, {log, state, mainWindow, boxes.dialogs, [this] { ++yields; }, file,
                          [] { return InfoFacts{}; }}) {}

    frmHistory* command() {
        windows.showHistory();
        return windows.history();
    }
    QString text() const { return windows.history()->txtHistory().toPlainText(); }
};

const QString kCaption = QStringLiteral("Orvane [1.0 Build37 BETA] -- History");

} // namespace

TEST(HistoryFile, IsNamedAfterTheProgramWithEveryBetaRemoved) {
    const std::vector<std::pair<std::string, std::string>> names{
        {"orvane", "orvane_history.txt"},           {"Orvane_beta", "Orvane_history.txt"},
        {"Orvane_beta_beta", "Orvane_history.txt"}, {"my_betaprog_beta", "myprog_history.txt"},
        {"Orvane_BETA", "Orvane_BETA_history.txt"}, {"_beta", "_history.txt"},
    };
    for (const auto& [program, history] : names) {
        EXPECT_EQ(HistoryFileName(program), history) << program;
    }
}

TEST(HistoryWindow, ShowsEachLineOfTheFileOnItsOwnLineWithoutATrailingEmptyOne) {
    test::TempFolder temp;
    HistoryHarness h(temp.write("h.txt", "1.0.37\r\n- first line\r\nlast\r\n"));
    frmHistory* window = h.command();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(h.text(), "1.0.37\n- first line\nlast");
    EXPECT_EQ(window->windowTitle(), kCaption);
    EXPECT_TRUE(h.boxes.shown.empty());
    EXPECT_TRUE(window->isVisible());
    // One yield after showing the window, then one after each line but the first.
    EXPECT_EQ(h.yields, 3);

    EXPECT_EQ(window->size(), QSize(TwipsToPixels(5370, window->logicalDpiX()),
                                    TwipsToPixels(6585, window->logicalDpiX())));
    const QPlainTextEdit& box = window->txtHistory();
    EXPECT_EQ(box.geometry(), window->rect());
    EXPECT_TRUE(box.isReadOnly());
    EXPECT_EQ(box.font().family(), "Lucida Console");
    EXPECT_EQ(box.font().styleHint(), QFont::Monospace);
    EXPECT_EQ(box.palette().color(QPalette::Base), QColor(224, 224, 224));
    EXPECT_EQ(box.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

TEST(HistoryWindow, KeepsAnEmptyFirstLineAndReadsALastLineWithoutItsEnd) {
    test::TempFolder temp;
    HistoryHarness h(temp.write("h.txt", "\r\nsecond\r\n\r\nfourth"));
    h.command();
    EXPECT_EQ(h.text(), "\nsecond\n\nfourth");
    EXPECT_TRUE(h.boxes.shown.empty());
}

TEST(HistoryWindow, WithoutAHistoryToShowTellsTheUserAndCloses) {
    test::TempFolder temp;
    // A file that has a line, if only an empty one, gets its caption before the message.
    const std::vector<std::tuple<const char*, std::string, QString>> cases{
        {"missing", temp / "none.txt", "History"},
        {"zero bytes", temp.write("empty.txt", ""), "History"},
        {"a folder", temp.makeFolder("folder.txt"), "History"},
        {"one empty line", temp.write("blank.txt", "\r\n"), kCaption},
    };
    for (const auto& [what, file, caption] : cases) {
        HistoryHarness h(file);
        frmHistory* window = h.command();
        ASSERT_EQ(h.boxes.shown.size(), 1U) << what;
        EXPECT_EQ(h.boxes.shown[0].title, "Orvane");
        EXPECT_EQ(h.boxes.shown[0].text, "No history file found");
        ASSERT_NE(window, nullptr);
        EXPECT_FALSE(window->isVisible()) << what;
        EXPECT_EQ(window->windowTitle(), caption) << what;
        EXPECT_TRUE(test::eventually([&] { return h.windows.history() == nullptr; })) << what;
        EXPECT_TRUE(h.log.empty()) << what;
    }
}

TEST(HistoryWindow, ASecondHistoryCommandReadsTheFileAgain) {
    test::TempFolder temp;
    const std::string file = temp.write("h.txt", "old\r\n");
    HistoryHarness h(file);
    frmHistory* window = h.command();
    EXPECT_EQ(h.text(), "old");
    temp.write("h.txt", "new 1\r\nnew 2\r\n");
    EXPECT_EQ(h.command(), window);
    EXPECT_EQ(h.text(), "new 1\nnew 2");
    EXPECT_TRUE(h.boxes.shown.empty());
}

} // namespace orvane
