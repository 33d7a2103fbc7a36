#include "common/EngineHarness.h"

#include <gtest/gtest.h>

namespace orvane {

// A name with a line feed cannot forge a log line: the file is moved under its real name,
// and the log and the current-file caption show the name escaped.
TEST(ControlCharacterName, IsCopiedUnderItsRealNameAndShownEscaped) {
    test::TempFolder temp;
    const std::string name = "x\nMove is on, deleted the file IMPORTANT\x7f";
    const std::string source = temp.makeFolder("data");
    temp.write("data/" + name, "bytes");
    test::EngineHarness h(source, temp.makeFolder("backup"), true);
    std::string caption;
    h.onYield = [&](int) {
        if (caption.empty() && h.window.lblInfo[1].caption().starts_with("Copying file ")) {
            caption = h.window.lblInfo[1].caption();
        }
    };
    h.runDirectMode();
    EXPECT_EQ(test::readFile(temp / "backup/" + name), "bytes");
    EXPECT_FALSE(test::exists(source + "/" + name));
    const std::string shown = "x\\nMove is on, deleted the file IMPORTANT\\x7f";
    EXPECT_EQ(h.lines(), (test::Lines{"File " + shown + " copied in <t> [5 B]",
                                      "Move is on, deleted the file " + shown}));
    EXPECT_EQ(caption.substr(0, caption.find("\r\n")), "Copying file " + shown);
}

} // namespace orvane
