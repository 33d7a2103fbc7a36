#include "app/StatusLine.h"

#include <gtest/gtest.h>

namespace orvane {

// The terminal's line shows the panel's texts in the panel's order; the count label's
// designed placeholder is shown as no count yet, and the current file is the name alone,
// without the label's prefix or its From and To lines.
TEST(StatusLine, ShowsThePanelInOneLineAndNoPlaceholderCount) {
    MainWindowElements window;
    window.lblTime[0].setCaption("Time elapsed: 0:00:05");
    window.lblTime[1].setCaption("Estimated time: 0:00:09");
    window.lblTime[2].setCaption("Data rate: 1.5 MBps");
    EXPECT_EQ(StatusLine(window), "Files: 0/0 |  | Time elapsed: 0:00:05 | Data rate: 1.5 MBps | "
                                  "Estimated time: 0:00:09 | " +
                                      window.pbTotalFiles.Text());

    window.lblInfo[0].setCaption("Files: 3/10");
    window.lblInfo[1].setCaption("Copying file a b.txt\r\nFrom: /data/\r\nTo: /backup/data/");
    EXPECT_TRUE(StatusLine(window).starts_with("Files: 3/10 | a b.txt | Time elapsed: "));
}

} // namespace orvane
