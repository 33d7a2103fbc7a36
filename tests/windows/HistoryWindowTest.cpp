#include "windows/frmHistory.h"

#include "common/TempFolder.h"
#include "windows/HistoryFile.h"
#include "windows/WindowTestSupport.h"

#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include <tuple>

namespace orvane {

using namespace windows;

namespace {

// The History command of a main window whose history file is `file`.
struct HistoryHarness : test::SecondaryHarness {
    explicit HistoryHarness(const std::string& file) : SecondaryHarness(file) {}
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

// Each line of the file on its own line, an empty first one kept, no empty one added after the
// last, and a last line read without its end; the window yields once when shown and once after
// each line but the first.
TEST(HistoryWindow, ShowsEachLineOfTheFileOnItsOwnLine) {
    const std::tuple<std::string, QString, int> cases[] = {
        {"1.0.37\r\n- first line\r\nlast\r\n", "1.0.37\n- first line\nlast", 3},
        {"\r\nsecond\r\n\r\nfourth", "\nsecond\n\nfourth", 4},
    };
    for (const auto& [file, text, yields] : cases) {
        SCOPED_TRACE(text.toStdString());
        test::TempFolder temp;
        HistoryHarness h(temp.write("h.txt", file));
        frmHistory* window = h.command();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(h.text(), text);
        EXPECT_EQ(window->windowTitle(), kCaption);
        EXPECT_TRUE(window->isVisible() && h.boxes.shown.empty());
        EXPECT_EQ(h.yields, yields);
    }
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
