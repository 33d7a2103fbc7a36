#include "platform/ProgramFolders.h"
#include "platform/RunningProgramFolders.h"

#include "common/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <tuple>

using namespace orvane::platform;
using std::nullopt;

namespace {

LayoutFacts installedAt(const std::string& programFolder) {
    LayoutFacts facts;
    facts.program = {programFolder, "orvane"};
    facts.installedMarker = true;
    facts.home = "/home/ann";
    facts.accountHome = "/home/account";
    return facts;
}

std::tuple<std::string, std::string, std::string> foldersOf(const ProgramFolders& folders) {
    return {folders.settings, folders.logs, folders.data};
}

} // namespace

// Without the marker everything stays beside the executable, whatever the environment says.
TEST(ProgramFolders, PortableLayoutKeepsEverythingBesideTheExecutable) {
    LayoutFacts facts = installedAt("/home/ann/tools");
    facts.installedMarker = false;
    facts.xdgConfigHome = "/home/ann/cfg";
    facts.xdgStateHome = "/home/ann/state";
    const ProgramFolders folders = chooseProgramFolders(facts);
    EXPECT_EQ(folders.layout, ProgramLayout::Portable);
    EXPECT_EQ(foldersOf(folders),
              std::make_tuple("/home/ann/tools", "/home/ann/tools/logs", "/home/ann/tools"));
    EXPECT_EQ(folders.settingsLocation().folder + "|" + folders.settingsLocation().executableName,
              "/home/ann/tools|orvane");
    facts.program.folder = "/";
    EXPECT_EQ(foldersOf(chooseProgramFolders(facts)), std::make_tuple("/", "/logs", "/"));
}

TEST(ProgramFolders, InstalledLayoutReadsDataFromThePrefixAndWritesToTheUsersFolders) {
    const ProgramFolders folders = chooseProgramFolders(installedAt("/usr/bin"));
    EXPECT_EQ(folders.layout, ProgramLayout::Installed);
    EXPECT_EQ(foldersOf(folders),
              std::make_tuple("/home/ann/.config/orvane", "/home/ann/.local/state/orvane/logs",
                              "/usr/share/orvane"));
    EXPECT_EQ(folders.settingsLocation().executableName, "orvane");
    EXPECT_EQ(installedMarkerPath("/usr/bin"), "/usr/share/orvane/installed-layout");
    EXPECT_EQ(installedMarkerPath("/opt/o/bin"), "/opt/o/share/orvane/installed-layout");
    EXPECT_EQ(installedMarkerPath("/"), "/share/orvane/installed-layout");
    EXPECT_EQ(chooseProgramFolders(installedAt("/bin")).data, "/share/orvane");
}

// The XDG rules: a variable that is unset, empty or relative is ignored; an absolute one is
// used as it is, without the trailing separators.
TEST(ProgramFolders, XdgVariablesCountOnlyWhenTheyHoldAnAbsolutePath) {
    struct Case {
        std::optional<std::string> value;
        std::string settings, logs;
    };
    const Case cases[] = {
        {nullopt, "/home/ann/.config/orvane", "/home/ann/.local/state/orvane/logs"},
        {"", "/home/ann/.config/orvane", "/home/ann/.local/state/orvane/logs"},
        {"relative/xdg", "/home/ann/.config/orvane", "/home/ann/.local/state/orvane/logs"},
        {"./xdg", "/home/ann/.config/orvane", "/home/ann/.local/state/orvane/logs"},
        {"/srv/xdg", "/srv/xdg/orvane", "/srv/xdg/orvane/logs"},
        {"/srv/xdg//", "/srv/xdg/orvane", "/srv/xdg/orvane/logs"},
        {"/", "/orvane", "/orvane/logs"},
    };
    for (const Case& c : cases) {
        LayoutFacts facts = installedAt("/usr/bin");
        facts.xdgConfigHome = c.value;
        facts.xdgStateHome = c.value;
        const ProgramFolders folders = chooseProgramFolders(facts);
        EXPECT_EQ(folders.settings, c.settings) << c.value.value_or("(unset)");
        EXPECT_EQ(folders.logs, c.logs) << c.value.value_or("(unset)");
    }
    // Each variable stands alone.
    LayoutFacts facts = installedAt("/usr/bin");
    facts.xdgStateHome = "/var/state";
    EXPECT_EQ(
        foldersOf(chooseProgramFolders(facts)),
        std::make_tuple("/home/ann/.config/orvane", "/var/state/orvane/logs", "/usr/share/orvane"));
}

// $HOME when absolute, else the account's home, else "/".
TEST(ProgramFolders, HomeFallsBackToTheAccountThenToTheRoot) {
    struct Case {
        std::optional<std::string> home;
        std::string account, settings;
    };
    const Case cases[] = {
        {"/home/ann/", "/home/account", "/home/ann/.config/orvane"},
        {nullopt, "/home/account", "/home/account/.config/orvane"},
        {"", "/home/account", "/home/account/.config/orvane"},
        {"ann", "/home/account", "/home/account/.config/orvane"},
        {nullopt, "", "/.config/orvane"},
        {"", "relative", "/.config/orvane"},
        {"/", "", "/.config/orvane"},
    };
    for (const Case& c : cases) {
        LayoutFacts facts = installedAt("/usr/bin");
        facts.home = c.home;
        facts.accountHome = c.account;
        EXPECT_EQ(chooseProgramFolders(facts).settings, c.settings)
            << c.home.value_or("(unset)") << " / " << c.account;
    }
}

// The build tree has no marker beside it: the tests themselves run in the portable layout.
TEST(RunningProgramFolders, BuildTreeIsPortable) {
    const ProgramFolders folders = runningProgramFolders();
    EXPECT_EQ(folders.layout, ProgramLayout::Portable);
    EXPECT_EQ(folders.logs, folders.settings + "/logs");
}

TEST(RunningProgramFolders, PreparingMakesTheMissingUserFoldersPrivateButNotTheLogsFolder) {
    orvane::test::TempFolder temp;
    ProgramFolders folders = chooseProgramFolders(installedAt("/usr/bin"));
    folders.settings = temp / "home/.config/orvane";
    folders.logs = temp / "home/.local/state/orvane/logs";
    prepareProgramFolders(folders);
    const auto modeOf = [](const std::string& path) {
        struct stat info {};
        return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) ? info.st_mode & 0777
                                                                         : 01000U;
    };
    EXPECT_EQ(modeOf(temp / "home/.config"), 0700U);
    EXPECT_EQ(modeOf(temp / "home/.config/orvane"), 0700U);
    EXPECT_EQ(modeOf(temp / "home/.local/state/orvane"), 0700U);
    EXPECT_EQ(modeOf(folders.logs), 01000U); // made by the log save
    // Existing folders keep their mode; the portable layout makes nothing.
    ASSERT_EQ(::chmod((temp / "home/.config").c_str(), 0755), 0);
    prepareProgramFolders(folders);
    EXPECT_EQ(modeOf(temp / "home/.config"), 0755U);
    folders.layout = ProgramLayout::Portable;
    folders.settings = temp / "portable";
    prepareProgramFolders(folders);
    EXPECT_EQ(modeOf(folders.settings), 01000U);
}
