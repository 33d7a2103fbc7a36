#include "platform/ProfileText.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace orvane::platform;
using namespace std::string_literals;
using std::nullopt;

// Names match with ASCII case folded only: Latin-1 e-acute and E-acute are one letter in two
// cases, but only in one code page. A line without "=", a NUL byte or a broken header hides
// entries, as does coming before any header.
TEST(ProfileText, ReadMatchesAsciiCaseOnlyTrimsAndSeesOnlyWellFormedEntries) {
    const std::string text = "USE=0\n[ mAiN ]\r\n \tuSe\t =  42 \t\r\n[Other]\nX=1\n"
                             "[Caf\xE9]\nk\xE9y=\xFF\xFE\n[Empty]\nUSE=\n"
                             "[Two]\nUSE\nUSE=3\0\n[Broken\nUSE=4\n[two]\nuse=5\nUSE=6\n"s;
    const std::tuple<const char*, const char*, std::optional<std::string>> cases[] = {
        {"Main", "USE", "42"},
        {"Main", "US", nullopt},
        {"Main", "X", nullopt},
        {"Caf\xE9", "K\xE9Y", "\xFF\xFE"},
        {"Caf\xC9", "k\xE9y", nullopt},
        {"Empty", "USE", ""},
        {"Two", "USE", "5"},
        {"Two", "", nullopt}};
    for (const auto& [section, key, value] : cases) {
        EXPECT_EQ(findProfileValue(text, section, key), value) << section << "/" << key;
    }
    EXPECT_EQ(findProfileValue("\xEF\xBB\xBF[Main]\nUSE=1", "Main", "USE"), "1");
}

TEST(ProfileText, WriteKeepsEveryOtherByteAndAddsLinesWithCrLf) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "[Main]\r\nUSE=2\r\n"},
        {"; settings\n[Other]\r\nUSE=9\n\n[MAIN]\n  use = 1 \r\nX=y\n",
         "; settings\n[Other]\r\nUSE=9\n\n[MAIN]\nuse=2\r\nX=y\n"},
        {"[Main]\nA=1\n; about B\nB=2\n\n; next\n[Next]\nC=3\n",
         "[Main]\nA=1\n; about B\nB=2\nUSE=2\r\n\n; next\n[Next]\nC=3\n"},
        {"[Main]\n\n[Next]\n", "[Main]\nUSE=2\r\n\n[Next]\n"},
        {"[Main]\r\nA=1", "[Main]\r\nA=1\r\nUSE=2\r\n"},
        {"[Other]\r\nA=1", "[Other]\r\nA=1\r\n[Main]\r\nUSE=2\r\n"},
        {"\xEF\xBB\xBF", "\xEF\xBB\xBF[Main]\r\nUSE=2\r\n"},
    };
    for (const auto& [before, after] : cases) {
        EXPECT_EQ(setProfileValue(before, "Main", "USE", "2"), after) << before;
    }
    // Texts that would break the line structure are refused.
    EXPECT_EQ(setProfileValue("", "Main", "USE", "1\r\n[Evil]"), nullopt);
    EXPECT_EQ(setProfileValue("", "Main", "USE", "1\0"s), nullopt);
    EXPECT_EQ(setProfileValue("", "Ma]in", "USE", "1"), nullopt);
    EXPECT_EQ(setProfileValue("", "Main", "U=SE", "1"), nullopt);
    EXPECT_EQ(setProfileValue("", "Main", ";USE", "1"), nullopt);
    EXPECT_EQ(setProfileValue("", "Main", "  ", "1"), nullopt);
}

TEST(ProfileText, RemovalTakesEveryMatchAndNothingElse) {
    const std::string keys = "[Main]\nUSE=1\r\nA=1\n[Other]\nUSE=7\n[main]\nuse=2";
    EXPECT_EQ(removeProfileKey(keys, "MAIN", "Use"), "[Main]\nA=1\n[Other]\nUSE=7\n[main]\n");
    const std::string sections =
        "; top\n[Main]\r\nUSE=2\r\n; note\r\n\r\n[Keep]\nA=1\n[MAIN]\nB=2\n";
    EXPECT_EQ(removeProfileSection(sections, "main"), "; top\n[Keep]\nA=1\n");
}
