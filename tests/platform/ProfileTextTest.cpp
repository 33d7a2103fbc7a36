#include "platform/ProfileText.h"

#include <gtest/gtest.h>

#include <string>

using orvane::platform::findProfileValue;
using orvane::platform::removeProfileKey;
using orvane::platform::removeProfileSection;
using orvane::platform::setProfileValue;

namespace {

using namespace std::string_literals;

TEST(ProfileTextRead, NamesIgnoreAsciiCaseAndBlanksAroundKeyAndValueAreTrimmed) {
    const std::string text = "[ mAiN ]\r\n \tuSe\t =  42 \t\r\n";
    EXPECT_EQ(findProfileValue(text, "Main", "USE"), "42");
    EXPECT_EQ(findProfileValue(text, "MAIN", "use"), "42");
    EXPECT_EQ(findProfileValue(text, "Other", "USE"), std::nullopt);
    EXPECT_EQ(findProfileValue(text, "Main", "US"), std::nullopt);
}

TEST(ProfileTextRead, BytesAboveAsciiMatchExactly) {
    // Latin-1 e-acute and E-acute are one letter in two cases, but only in one code page.
    const std::string text = "[Caf\xE9]\nk\xE9y=\xFF\xFE\n";
    EXPECT_EQ(findProfileValue(text, "Caf\xE9", "K\xE9Y"), "\xFF\xFE");
    EXPECT_EQ(findProfileValue(text, "Caf\xC9", "k\xE9y"), std::nullopt);
}

TEST(ProfileTextRead, OnlyWellFormedEntriesInsideTheSectionCount) {
    const std::string text = "USE=0\n" // before any header
                             "[Main]\n"
                             "USE\n"      // no equals sign
                             "USE=3\0\n"s // NUL byte
                             "[Broken\n"  // ends the section without starting one
                             "USE=4\n"
                             "[main]\n"
                             "use=5\n"
                             "USE=6\n";
    EXPECT_EQ(findProfileValue(text, "Main", "USE"), "5");
    EXPECT_EQ(findProfileValue(text, "Main", ""), std::nullopt);
}

TEST(ProfileTextRead, EmptyValueIsAValueAndByteOrderMarkIsSkipped) {
    EXPECT_EQ(findProfileValue("\xEF\xBB\xBF[Main]\nUSE=\n", "Main", "USE"), "");
}

TEST(ProfileTextWrite, EmptyTextBecomesSectionAndEntryWithCrLf) {
    EXPECT_EQ(setProfileValue("", "Main", "USE", "2"), "[Main]\r\nUSE=2\r\n");
}

TEST(ProfileTextWrite, UpdateInPlaceKeepsEveryOtherByteAndTheKeySpelling) {
    const std::string before = "; settings\n[Other]\r\nUSE=9\n\n[MAIN]\n  use = 1 \r\nX=y\n";
    const std::string after = "; settings\n[Other]\r\nUSE=9\n\n[MAIN]\nuse=2\r\nX=y\n";
    EXPECT_EQ(setProfileValue(before, "Main", "USE", "2"), after);
}

TEST(ProfileTextWrite, NewEntryFollowsTheLastEntryOfItsSection) {
    const std::string before = "[Main]\nA=1\n; about B\nB=2\n\n; next\n[Next]\nC=3\n";
    const std::string after = "[Main]\nA=1\n; about B\nB=2\nUSE=2\r\n\n; next\n[Next]\nC=3\n";
    EXPECT_EQ(setProfileValue(before, "Main", "USE", "2"), after);
    EXPECT_EQ(setProfileValue("[Main]\n\n[Next]\n", "Main", "USE", "2"),
              "[Main]\nUSE=2\r\n\n[Next]\n");
}

TEST(ProfileTextWrite, MissingFinalLineBreakIsSuppliedBeforeAddedLines) {
    EXPECT_EQ(setProfileValue("[Main]\r\nA=1", "Main", "USE", "2"), "[Main]\r\nA=1\r\nUSE=2\r\n");
    EXPECT_EQ(setProfileValue("[Other]\r\nA=1", "Main", "USE", "2"),
              "[Other]\r\nA=1\r\n[Main]\r\nUSE=2\r\n");
    EXPECT_EQ(setProfileValue("\xEF\xBB\xBF", "Main", "USE", "2"),
              "\xEF\xBB\xBF[Main]\r\nUSE=2\r\n");
}

TEST(ProfileTextWrite, NotIniTextKeepsItsBytesAndGainsTheSection) {
    const std::string junk = "\x7F"
                             "ELF\x02\x01\x00\x00\xFF[\x90=\n\xC3\x28\x00"s;
    EXPECT_EQ(findProfileValue(junk, "Main", "USE"), std::nullopt);
    EXPECT_EQ(setProfileValue(junk, "Main", "USE", "2"), junk + "\r\n[Main]\r\nUSE=2\r\n");
}

TEST(ProfileTextWrite, TextsThatWouldBreakTheLineStructureAreRefused) {
    EXPECT_EQ(setProfileValue("", "Main", "USE", "1\r\n[Evil]"), std::nullopt);
    EXPECT_EQ(setProfileValue("", "Main", "USE", "1\0"s), std::nullopt);
    EXPECT_EQ(setProfileValue("", "Ma]in", "USE", "1"), std::nullopt);
    EXPECT_EQ(setProfileValue("", "Main", "U=SE", "1"), std::nullopt);
    EXPECT_EQ(setProfileValue("", "Main", ";USE", "1"), std::nullopt);
    EXPECT_EQ(setProfileValue("", "Main", "  ", "1"), std::nullopt);
}

TEST(ProfileTextRemove, KeyGoesWithEveryDuplicateAndNothingElse) {
    const std::string before = "[Main]\nUSE=1\r\nA=1\n[Other]\nUSE=7\n[main]\nuse=2";
    EXPECT_EQ(removeProfileKey(before, "MAIN", "Use"), "[Main]\nA=1\n[Other]\nUSE=7\n[main]\n");
    EXPECT_EQ(removeProfileKey(before, "Main", "Missing"), before);
}

TEST(ProfileTextRemove, SectionGoesWithAllItsLinesUpToTheNextHeader) {
    const std::string before = "; top\n[Main]\r\nUSE=2\r\n; note\r\n\r\n[Keep]\nA=1\n[MAIN]\nB=2\n";
    EXPECT_EQ(removeProfileSection(before, "main"), "; top\n[Keep]\nA=1\n");
    EXPECT_EQ(removeProfileSection(before, "Absent"), before);
}

} // namespace
