#include "support/SessionLog.h"

#include "state/ListElement.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

using orvane::ListElement;
using orvane::SessionLog;

namespace {

TEST(SessionLog, KeepsLinesInOrderWithOneBasedAccess) {
    SessionLog log;
    log.AddLogEntry("first");
    log.AddLogEntry("");
    log.AddLogEntry("third");
    ASSERT_EQ(log.count(), 3u);
    EXPECT_EQ(log.line(1), "first");
    EXPECT_EQ(log.line(2), "");
    EXPECT_EQ(log.line(3), "third");
    EXPECT_THROW(log.line(0), std::out_of_range);
    EXPECT_THROW(log.line(4), std::out_of_range);

    log.removeFirst();
    EXPECT_EQ(log.line(1), "");
    log.removeFirst();
    log.removeFirst();
    EXPECT_TRUE(log.empty());
    log.removeFirst();
    EXPECT_TRUE(log.empty());
}

TEST(SessionLog, LiveReportShowsEachNewLineAtTheBottomSelected) {
    SessionLog log;
    ListElement lstErr;
    log.AddLogEntry("before the window opened");
    // The window loads what is there, then goes live.
    lstErr.add(log.line(1));
    log.attachReportList(&lstErr);
    log.ReportLive = true;

    log.AddLogEntry("second");
    ASSERT_EQ(lstErr.count(), 2u);
    EXPECT_EQ(lstErr.item(1), "second");
    EXPECT_EQ(lstErr.ListIndex(), 1);
    log.AddLogEntry("third");
    EXPECT_EQ(lstErr.item(2), "third");
    EXPECT_EQ(lstErr.ListIndex(), 2);
    EXPECT_EQ(log.count(), 3u);
}

TEST(SessionLog, ClosedReportGetsNothingButTheLogKeepsTheLine) {
    SessionLog log;
    ListElement lstErr;
    log.attachReportList(&lstErr);
    log.AddLogEntry("while closed");
    EXPECT_EQ(lstErr.count(), 0u);
    EXPECT_EQ(lstErr.ListIndex(), -1);
    EXPECT_EQ(log.line(1), "while closed");

    // Live without a list to echo into must not fail.
    SessionLog detached;
    detached.ReportLive = true;
    detached.AddLogEntry("no window");
    EXPECT_EQ(detached.count(), 1u);
}

TEST(SessionLog, LineListenerHearsEveryAppendLiveOrNot) {
    SessionLog log;
    std::vector<std::string> heard;
    log.setLineListener([&heard](const std::string& line) { heard.push_back(line); });
    log.AddLogEntry("closed");
    ListElement lstErr;
    log.attachReportList(&lstErr);
    log.ReportLive = true;
    log.AddLogEntry("live");
    EXPECT_EQ(heard, (std::vector<std::string>{"closed", "live"}));
}

} // namespace
