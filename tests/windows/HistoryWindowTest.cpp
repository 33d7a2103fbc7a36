#include "windows/frmHistory.h"

#include "windows/WindowHarness.h"

#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include <optional>

namespace orvane::test {
namespace {

// What the History command shows: each line of the file on its own line, an empty first one
// kept, no empty one added after the last, a last line read without its end. Without a history to
// show it tells the user and closes; a file that has a line, if only an empty one, gets its caption
// first.
TEST(HistoryWindow, ShowsEachLineOfTheFileOnItsOwnLineOrTellsThereIsNone) {
    const QString caption = QStringLiteral("Orvane [1.0 Build37 BETA] -- History");
    const struct {
        std::optional<std::string> file; // none: no file; empty: a folder in its place
        std::optional<QString> text;
        QString caption;
    } cases[] = {
        {"1.0.37\r\n- first line\r\nlast\r\n", "1.0.37\n- first line\nlast", caption},
        {"\r\nsecond\r\n\r\nfourth", "\nsecond\n\nfourth", caption},
        {std::nullopt, std::nullopt, "History"},
        {"", std::nullopt, "History"},
        {"\r\n", std::nullopt, caption},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.value_or("(none)"));
        WindowHarness harness;
        if (c.file) {
            harness.folder().write("bin/bin_history.txt", *c.file);
        }
        harness.window().mnuHelpHistory.trigger();
        windows::SecondaryWindows& windows = harness.window().secondaryWindows();
        ASSERT_NE(windows.history(), nullptr);
        EXPECT_EQ(windows.history()->windowTitle(), c.caption);
        if (c.text) {
            EXPECT_EQ(windows.history()->txtHistory().toPlainText(), *c.text);
            EXPECT_TRUE(windows.history()->isVisible() && harness.shown.empty());
        } else {
            EXPECT_EQ(harness.shown, std::vector<QString>{"Orvane|No history file found"});
            EXPECT_FALSE(windows.history()->isVisible());
            EXPECT_TRUE(eventually([&] { return windows.history() == nullptr; }));
        }
    }
}

} // namespace
} // namespace orvane::test
