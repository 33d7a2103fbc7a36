#include "settings/IniStore.h"
#include "settings/UsageCounter.h"

#include "common/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

using orvane::countThisStart;
using orvane::IniStore;
using orvane::platform::ProgramLocation;
using orvane::test::readFile;
using orvane::test::TempFolder;

namespace {

TEST(IniStorePath, EmptyArgumentsFallBackToTheProgram) {
    const IniStore store(ProgramLocation{"/opt/orvane", "Orvane"});
    EXPECT_EQ(store.iniPath("", ""), "/opt/orvane/Orvane.ini");
    EXPECT_EQ(store.iniPath("", "/etc"), "/etc/Orvane.ini");
    EXPECT_EQ(store.iniPath("other", "/etc"), "/etc/other.ini");
    EXPECT_EQ(store.iniPath("other", ""), "/opt/orvane/other.ini");
    // ".ini" is appended even when the caller already wrote it.
    EXPECT_EQ(store.iniPath("x.ini", ""), "/opt/orvane/x.ini.ini");
    EXPECT_EQ(IniStore(ProgramLocation{"/", "Orvane"}).iniPath("", ""), "/Orvane.ini");
}

TEST(IniStoreAccess, WriteThenReadThroughTheSameArguments) {
    TempFolder temp;
    const IniStore store(ProgramLocation{temp.path(), "Orvane"});
    const std::string other = temp.makeFolder("other");
    store.IniWrite("Main", "Colour", "blue", "", "");
    store.IniWrite("Main", "Colour", "red", "", other);
    store.IniWrite("Main", "Colour", "green", "alt", "");
    EXPECT_EQ(store.IniRead("main", "colour", "none", "", ""), "blue");
    EXPECT_EQ(store.IniRead("Main", "Colour", "none", "", other), "red");
    EXPECT_EQ(store.IniRead("Main", "Colour", "none", "alt", ""), "green");
    EXPECT_EQ(store.IniRead("Main", "Colour", "none", "absent", ""), "none");
}

TEST(IniStoreAccess, EmptyValueDeletesTheKeyAndEmptyKeyTheSection) {
    TempFolder temp;
    const IniStore store(ProgramLocation{temp.path(), "Orvane"});
    const std::string path =
        temp.write("Orvane.ini", "; mine\n[Main]\r\nUSE=5\r\nKeep=1\r\n[Other]\nA=1\n");
    store.IniWrite("Main", "USE", "", "", "");
    EXPECT_EQ(readFile(path), "; mine\n[Main]\r\nKeep=1\r\n[Other]\nA=1\n");
    store.IniWrite("Main", "", "ignored", "", "");
    EXPECT_EQ(readFile(path), "; mine\n[Other]\nA=1\n");
    EXPECT_EQ(store.IniRead("Main", "Keep", "gone", "", ""), "gone");
}

TEST(IniStoreAccess, FailedWriteIsSilentAndTheNextReadSeesTheOldState) {
    TempFolder temp;
    const std::string blocker = temp.write("blocker", "bytes");
    const IniStore store(ProgramLocation{blocker, "Orvane"});
    store.IniWrite("Main", "USE", "2", "", "");
    EXPECT_EQ(store.IniRead("Main", "USE", "1", "", ""), "1");
    EXPECT_EQ(readFile(blocker), "bytes");
}

TEST(IniStoreAccess, NotIniFileReadsTheDefaultAndKeepsItsBytes) {
    TempFolder temp;
    const IniStore store(ProgramLocation{temp.path(), "Orvane"});
    std::string junk;
    for (int i = 0; i < 512; ++i) {
        junk.push_back(static_cast<char>((i * 167 + 13) % 256));
    }
    const std::string path = temp.write("Orvane.ini", junk);
    EXPECT_EQ(store.IniRead("Main", "USE", "1", "", ""), "1");
    store.IniWrite("Main", "USE", "2", "", "");
    const std::string after = readFile(path);
    EXPECT_EQ(after.substr(0, junk.size()), junk);
    EXPECT_EQ(store.IniRead("Main", "USE", "1", "", ""), "2");
}

TEST(IniUsageCounter, FirstStartCreatesTheFileAndLaterStartsCount) {
    TempFolder temp;
    const IniStore store(ProgramLocation{temp.path(), "Orvane"});
    EXPECT_EQ(countThisStart(store), 1);
    EXPECT_EQ(readFile(temp / "Orvane.ini"), "[Main]\r\nUSE=2\r\n");
    EXPECT_EQ(countThisStart(store), 2);
    EXPECT_EQ(readFile(temp / "Orvane.ini"), "[Main]\r\nUSE=3\r\n");
}

TEST(IniUsageCounter, RenamedExecutableStartsAgainFromOne) {
    TempFolder temp;
    EXPECT_EQ(countThisStart(IniStore(ProgramLocation{temp.path(), "Orvane"})), 1);
    EXPECT_EQ(countThisStart(IniStore(ProgramLocation{temp.path(), "Orvane"})), 2);
    EXPECT_EQ(countThisStart(IniStore(ProgramLocation{temp.path(), "Renamed"})), 1);
}

TEST(IniUsageCounter, StoredValueThatIsNoStartCountCountsAsTheFirst) {
    for (const std::string stored :
         {"abc", "", "12abc", "1.5", "0", "-3", "+4", "2147483648", "99999999999"}) {
        SCOPED_TRACE("USE=" + stored);
        TempFolder temp;
        const IniStore store(ProgramLocation{temp.path(), "Orvane"});
        temp.write("Orvane.ini", "[Main]\r\nUSE=" + stored + "\r\n");
        EXPECT_EQ(countThisStart(store), 1);
        EXPECT_EQ(readFile(temp / "Orvane.ini"), "[Main]\r\nUSE=2\r\n");
    }
}

TEST(IniUsageCounter, CountStopsAtTheLargest32BitNumber) {
    constexpr std::int32_t largest = std::numeric_limits<std::int32_t>::max();
    TempFolder temp;
    const IniStore store(ProgramLocation{temp.path(), "Orvane"});
    temp.write("Orvane.ini", "[Main]\r\nUSE= 2147483646 \r\n");
    EXPECT_EQ(countThisStart(store), largest - 1);
    EXPECT_EQ(countThisStart(store), largest);
    EXPECT_EQ(countThisStart(store), largest);
    EXPECT_EQ(readFile(temp / "Orvane.ini"), "[Main]\r\nUSE=2147483647\r\n");
}

} // namespace
