#include "windows/frmHistory.h"

#include "common/TempFolder.h"
#include "windows/WindowTestSupport.h"

#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include <optional>

namespace orvane {

using namespace windows;

// What the History command shows: each line of the file on its own line, an empty first one
// kept, no empty one added after the last, a last line read without its end. Without a history to
// show it tells the user and closes; a file that has a line, if only an empty one, gets its caption
// first.
TEST(HistoryWindow, ShowsEachLineOfTheFileOnItsOwnLineOrTellsThereIsNone) {
    const QString caption = QStringLiteral("Orvane [1.0 Build37 BETA] -- History");
    test::TempFolder temp;
    const struct {
        std::string file;
        std::optional<QString> text;
        QString caption;
    } cases[] = {
        {temp.write("a.txt", "1.0.37\r\n- first line\r\nlast\r\n"), "1.0.37\n- first line\nlast",
         caption},
        {temp.write("b.txt", "\r\nsecond\r\n\r\nfourth"), "\nsecond\n\nfourth", caption},
        {temp / "none.txt", std::nullopt, "History"},
        {temp.write("empty.txt", ""), std::nullopt, "History"},
        {temp.makeFolder("folder.txt"), std::nullopt, "History"},
        {temp.write("blank.txt", "\r\n"), std::nullopt, caption},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        test::SecondaryHarness h(c.file);
        h.windows.showHistory();
        frmHistory* window = h.windows.history();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->windowTitle(), c.caption);
        if (c.text) {
            EXPECT_EQ(window->txtHistory().toPlainText(), *c.text);
            EXPECT_TRUE(window->isVisible() && h.boxes.shown.empty());
        } else {
            EXPECT_EQ(h.boxes.shown, std::vector<QString>{"Orvane|No history file found"});
            EXPECT_FALSE(window->isVisible());
            EXPECT_TRUE(test::eventually([&] { return h.windows.history() == nullptr; }));
            EXPECT_TRUE(h.log.empty());
        }
    }
}

} // namespace orvane
