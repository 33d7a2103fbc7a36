#include "platform/PathRules.h"
#include "platform/ProfileText.h"

#include <gtest/gtest.h>

using namespace orvane::platform;
using namespace std::string_literals;
using std::nullopt;

const PathRules posix{PathStyle::Posix};
const PathRules windows{PathStyle::Windows};

// The program runs on POSIX paths; the Windows style keeps one case of each of its own rules.
TEST(PathRules, PartsSplitJoinAndMapOnlyAtFolderBoundaries) {
    EXPECT_TRUE(posix.isRoot("/") && posix.descendsInto("a")); // however short its name
    EXPECT_FALSE(posix.isRoot("//") || windows.descendsInto("C:"));
    EXPECT_EQ(posix.join("/", "usr"), "/usr");
    EXPECT_EQ(windows.join("C:", "a.txt"), "C:a.txt");
    // A folder given with its separator at the end (a source's contents) gains no second one.
    EXPECT_EQ(posix.join("/data/photos/", "a") + "|" + posix.join("/data/photos", "a"),
              "/data/photos/a|/data/photos/a");
    EXPECT_EQ(windows.join("D:\\Backup\\", "a") + "|" + windows.join("D:\\Backup", "a"),
              "D:\\Backup\\a|D:\\Backup\\a");
    EXPECT_EQ(posix.lastPart("/data/a\\b"), "a\\b"); // a backslash is part of a POSIX name
    EXPECT_EQ(windows.lastPart("C:\\data\\a.txt"), "a.txt");
    EXPECT_EQ(posix.folderPart("/a.txt") + "|" + posix.folderPart("a.txt"), "/|");
    // One left-to-right pass halves each doubled separator.
    EXPECT_EQ(posix.reduceDoubledSeparators("/backup////photos"), "/backup//photos");
    EXPECT_EQ(posix.mapToDestination("/usr", "/", "/backup/"), "/backup/usr");
    EXPECT_EQ(posix.mapToDestination("/data", "/data", "/backup"), "/backup");
    // A plain text replacement would turn /data2/data into /backup2/data.
    EXPECT_EQ(posix.mapToDestination("/data2/data", "/data", "/backup"), "/data2/data");
    EXPECT_EQ(posix.mapToDestination("/x/data/a", "/data", "/backup"), "/x/data/a");
    EXPECT_EQ(windows.mapToDestination("C:\\Data\\a", "C:\\data", "D:\\b"), "C:\\Data\\a");
    // Names that are not UTF-8 pass through unchanged.
    const std::string name = "caf\xe9\xff.txt";
    EXPECT_EQ(posix.lastPart(posix.join("/data", name)), name);
    EXPECT_EQ(posix.mapToDestination("/data/" + name, "/data", "/b"), "/b/" + name);
}

// The source's dots are resolved as text, so the last part names a real folder, not "." or "..";
// without a current folder a relative source cannot be made absolute.
TEST(PathRules, SourceIsMadeAbsoluteWithItsDotsResolvedAndKeepsATrailingSeparator) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"x/src/sub/..", "/home/u", "/home/u/x/src"},
        {".", "/home/u", "/home/u"},
        {"..", "/home/u", "/home"},
        {"../../../..", "/home/u", "/"},
        {"/data/./photos/", "/ignored", "/data/photos/"},
        {"photos/../", "/home/u", "/home/u/"},
        {"//data//photos", "/", "/data/photos"},
        {"/..", "/", "/"},
        {"photos", "", ""}};
    for (const auto& [path, current, resolved] : cases) {
        EXPECT_EQ(posix.absoluteWithDotsResolved(path, current), resolved)
            << "'" << path << "' in '" << current << "'";
    }
    EXPECT_EQ(windows.absoluteWithDotsResolved("D:\\Data\\.\\..", "C:\\"), "D:\\");
    // A network path keeps its leading "\\", and its share is as far up as it goes.
    EXPECT_EQ(windows.absoluteWithDotsResolved("\\\\nas\\share\\a\\..\\..", "C:\\"),
              "\\\\nas\\share\\");
    EXPECT_EQ(windows.reduceDoubledSeparators("\\\\nas\\backup\\\\photos"),
              "\\\\nas\\backup\\photos");
    EXPECT_EQ(windows.join("\\\\nas\\share\\", "a"), "\\\\nas\\share\\a");
}

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
}
